// Scripted play: one event per line of a UTF-8 file, played against the engine
// without a window. Start-up happens before the first event; the end of the file
// ends the player as the end button does, unless "quit" came earlier.
#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "shell/player_input.h"

namespace app {

struct Event {
  enum class Kind { Input, Wait, Dump, Text };
  Kind kind = Kind::Input;
  shell::PlayerInput input;  // for Input; for Text, the letters typed into the command box
  int milliseconds = 0;      // for Wait
  std::string folder;        // for Dump
  int lineNumber = 0;
};

// Parses the events; on a bad line, returns nothing and sets the message.
std::optional<std::vector<Event>> parseEvents(const std::string& utf8Text, std::string& error);

}  // namespace app
