// The turn: the one entry every user action ends in. A run prepares the screen
// for a new turn (layout, page, link parameters), runs the script's lines, and
// after the last line shows the end-of-run screen and saves the game.
#pragma once
#include <string>

namespace model { struct Game; }

namespace shell {

// runScript(name): one whole run. A ScriptError inside it aborts the run and is
// shown in the error box; the player's state stays as it stood. "pagpix" runs
// nothing: it turns the viewer to the picture page.
void runScript(model::Game& game, std::string name);

}  // namespace shell
