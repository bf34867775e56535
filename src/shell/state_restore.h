// Putting a moment of the game back on show (undo, redo, a save slot): the
// state, the music and rain it had, and the saved files, so the game folder
// holds what the player sees.
#pragma once

namespace shell {

struct Game;
struct GameState;

void restoreState(Game& game, GameState state);

}  // namespace shell
