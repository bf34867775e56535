// The command box Input and its keys: every key down clicks ("clk3.wav"); on key
// up, F1, F2 and F4 enter ready-made commands from the table, F3 recalls the
// last command, the arrows walk through the exits of the location and Enter
// runs the command step, whose answer depends on the display mode. A key or a
// command that runs a script returns its name (a ScriptToRun); the shell runs
// it (shell/input_wiring.h).
#pragma once
#include <optional>
#include <string>

namespace model { struct Game; }

namespace input {

// The script an input asks the shell to run, if any.
using ScriptToRun = std::optional<std::string>;

// A key pressed in the command box (any key).
void keyPressed(model::Game& game);

// A key released, named "F1" "F2" "F3" "F4" "Up" "Down" "Left" "Right" "Enter";
// other keys do nothing.
ScriptToRun keyReleased(model::Game& game, const std::string& key);

// A key pressed and released.
ScriptToRun pressKey(model::Game& game, const std::string& key);

// Text typed into the box as a user would (the box shows every letter in
// upper case, each key clicks), then Enter.
ScriptToRun typeCommand(model::Game& game, const std::string& text);

// The command step: the text of Input looked up in the phrase file and its
// script run; an empty box describes the location again.
ScriptToRun enterCommand(model::Game& game);

}  // namespace input
