// The game start (a double-click on the opening picture): the window shaped,
// the game loaded, display mode "3" and the run of the opening script
// "abertura", whose own statements decide between resuming and starting anew.
#pragma once

namespace model { struct Game; }

namespace shell {

// A game that cannot be loaded is reported in the error box, nothing runs and
// the opening screen comes back; nothing is saved over the game's files. Once the
// game has started, a start does nothing.
void startGame(model::Game& game);

}  // namespace shell
