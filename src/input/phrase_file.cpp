// Phrase lookup and suggestions.
#include "input/phrase_file.h"

#include "base/cp1252.h"
#include "base/file_io.h"
#include "shell/game.h"

namespace input {
namespace {

constexpr size_t kMaxSuggestions = 12;

std::string phraseFileName(const shell::Game& game) { return game.commandsScript + ".scx"; }

}  // namespace

std::optional<base::Lines> readPhraseFile(shell::Game& game) {
  game.refreshBeforeReading(phraseFileName(game));
  auto path = game.folders.dataFolder.find(phraseFileName(game));
  return path ? base::readTextLines(*path) : std::nullopt;
}

std::string missingPhraseFileMessage(const shell::Game& game) {
  return "N\xE3o encontrei o arquivo de comandos " + phraseFileName(game) + " em " +
         base::pathToCp1252(game.folders.exeFolder) + ".";
}

std::string findCommandScript(const base::Lines& phrases, const std::string& command) {
  const std::string_view wanted = base::trimView(command);
  for (const auto& line : phrases) {
    size_t bar = line.find('|');
    if (bar == std::string::npos) continue;
    if (base::trimView(std::string_view(line).substr(0, bar)) == wanted) return base::trim(line.substr(bar + 1));
  }
  return "";
}

std::string suggestCommands(const base::Lines& phrases, const CommandWords& words) {
  const std::string& word1 = words[0];
  const std::string& word2 = words[1];
  if (word1.empty()) return "";
  std::string suggestions;
  size_t taken = 0;
  for (const auto& line : phrases) {
    if (taken == kMaxSuggestions) break;
    size_t bar = line.find('|');
    if (bar == std::string::npos || bar == 0) continue;
    std::string_view phrase = std::string_view(line).substr(0, bar);
    if (phrase[0] == '/') continue;
    bool near = base::contains(phrase, word1) && (word2.empty() || base::contains(phrase, word2));
    if (!near) continue;
    suggestions += std::string(phrase) + "\r\n";
    ++taken;
  }
  return suggestions;
}

}  // namespace input
