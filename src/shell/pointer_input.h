// The pointer's input: moves, presses, releases, clicks and wheel turns over the
// picture surfaces. The surfaces decide what a click does; the scripts it
// calls for are run here, one after the other, never inside another run.
#pragma once

namespace model { struct Game; }

namespace shell {

struct PlayerInput;

// Handles a pointer input on "tel", "fnc", "pan" or "md3"; false for a surface
// the player does not know.
bool handlePointer(model::Game& game, const PlayerInput& input);

}  // namespace shell
