// Escaping line breaks inside register values: ESC r, ESC n, and ESC e for ESC.
#include "world/register_file.h"

namespace world {
namespace {

constexpr char kEscape = '\x1B';

std::string encode(const std::string& value) {
  if (value.find_first_of("\r\n\x1B") == std::string::npos) return value;
  std::string out;
  for (char c : value) {
    if (c == '\r') out += {kEscape, 'r'};
    else if (c == '\n') out += {kEscape, 'n'};
    else if (c == kEscape) out += {kEscape, 'e'};
    else out += c;
  }
  return out;
}

std::string decode(const std::string& line) {
  if (line.find(kEscape) == std::string::npos) return line;
  std::string out;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == kEscape && i + 1 < line.size()) {
      char code = line[++i];
      out += code == 'r' ? '\r' : code == 'n' ? '\n' : code == 'e' ? kEscape : code;
    } else {
      out += line[i];
    }
  }
  return out;
}

}  // namespace

base::Lines encodeRegisterFile(const base::Lines& registers) {
  base::Lines lines;
  lines.reserve(registers.size());
  for (const auto& value : registers) lines.push_back(encode(value));
  return lines;
}

base::Lines decodeRegisterFile(const base::Lines& lines) {
  base::Lines registers;
  registers.reserve(lines.size());
  for (const auto& line : lines) registers.push_back(decode(line));
  return registers;
}

}  // namespace world
