// The script runner: the one entry every user action ends in. A run prepares the
// screen for a new turn, loads the script, hands its lines to the executor, and
// after the last line copies the buffers to the screen and saves the game.
#pragma once
#include <string>

namespace shell { struct Game; }

namespace script {

// runScript(name): one whole run. A ScriptError inside it aborts the run and is
// shown in the error box; the player's state stays as it stood.
void runScript(shell::Game& game, std::string name);

// Replaces Script with the lines of name.scx; a missing file is a ScriptError.
void loadScript(shell::Game& game, const std::string& name);

// Splits "name&Prm=..&Prx=..&Pry=.." into the name and the three link
// parameters; a key that does not occur leaves its parameter as it was.
std::string parseLinkParameters(shell::Game& game, const std::string& name);

// The label lines of Script, each followed by a blank (trace only).
std::string listLabels(const shell::Game& game);

// The error box text for an aborted run: the script, its line and the cause.
std::string describeRunError(const shell::Game& game, const std::string& cause);

}  // namespace script
