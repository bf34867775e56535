// The game start (a double-click on the opening picture): the window shaped,
// the game loaded, display mode "3" and the run of the opening script
// "abertura", whose own statements decide between resuming and starting anew.
#pragma once

namespace shell {

struct Game;

// A game that cannot be loaded is reported in the error box and nothing runs.
void startGame(Game& game);

}  // namespace shell
