// Putting a moment of the game back on show (undo, redo, a save slot): the
// state, the music and rain it had, and the saved files, so the game folder
// holds what the player sees.
#pragma once

namespace model {
struct Game;
struct GameState;
}  // namespace model

namespace shell {

void restoreState(model::Game& game, model::GameState state);

}  // namespace shell
