// Command normalising and word splitting.
#include "input/command_text.h"

namespace input {

std::string normaliseCommand(const std::string& text) {
  // Small letter -> capital, in Windows-1252: ç á é í ó ú ã õ â ê ô à ü ñ.
  static const std::string small = "\xE7\xE1\xE9\xED\xF3\xFA\xE3\xF5\xE2\xEA\xF4\xE0\xFC\xF1";
  static const std::string capital = "\xC7\xC1\xC9\xCD\xD3\xDA\xC3\xD5\xC2\xCA\xD4\xC0\xDC\xD1";
  std::string command = text;
  for (char& c : command) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    else if (size_t at = small.find(c); at != std::string::npos) c = capital[at];
  }
  return command;
}

model::CommandWords splitCommandWords(const std::string& command) {
  model::CommandWords words;
  size_t start = 0;
  for (size_t w = 0; w < words.size(); ++w) {
    size_t blank = command.find(' ', start);
    bool last = w + 1 == words.size();
    words[w] = command.substr(start, blank == std::string::npos ? std::string::npos : blank - start);
    if (blank == std::string::npos || last) break;
    start = blank + 1;
  }
  return words;
}

}  // namespace input
