// The script runner: loads a script and hands its lines to the executor, one
// after the other. The turn around it (the screen prepared, the end-of-run
// screen, the save) belongs to shell/turn.h.
#pragma once
#include <string>

namespace model { struct Game; }

namespace script {

// Loads name.scx (a missing script runs nothing, not the lines left from the
// last script) and executes its lines. A ScriptError aborts it.
void runLines(model::Game& game, const std::string& name);

// Replaces Script with the lines of name.scx; a missing file is a ScriptError.
void loadScript(model::Game& game, const std::string& name);

// Splits "name&Prm=..&Prx=..&Pry=.." into the name and the three link
// parameters; a key that does not occur leaves its parameter as it was.
std::string parseLinkParameters(model::Game& game, const std::string& name);

// The label lines of Script, each followed by a blank (trace only).
std::string listLabels(const model::Game& game);

// The error box text for an aborted run: the script, its line and the cause.
std::string describeRunError(const model::Game& game, const std::string& cause);

}  // namespace script
