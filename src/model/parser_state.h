// What the typed-command parser keeps between commands: the last command (F3
// recalls it) and the first four words of the latest one (the suggestions use
// words 1 and 2). Neither is saved.
#pragma once
#include <array>
#include <string>

namespace model {

using CommandWords = std::array<std::string, 4>;

struct ParserState {
  std::string lastCommand;  // the last non-empty normalised command
  CommandWords commandWords;
};

}  // namespace model
