// Player input: everything a user (or an events file) can do to the player. All
// input goes through one queue so that a run never starts inside another run.
#pragma once
#include <string>

namespace shell {

struct PlayerInput {
  enum class Kind { Start, Type, Key, Run, Link, Click, Move, Press, Release, Wheel, Down, Quit, Undo, Redo, SaveSlot, LoadSlot };
  Kind kind = Kind::Run;
  std::string text;     // typed text, key name, script name, link address, surface ("tel" "fnc" "pan" "md3"),
                        // "Down" control, save slot name (UTF-8)
  int x = 0, y = 0;     // pointer position on the surface
  int delta = 0;        // wheel turn (120 a notch)
};

}  // namespace shell
