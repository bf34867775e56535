// The pointer on the map page: presses, moves and releases on the map "map"
// drag it; a click on the marker "voce" goes back to the place.
#pragma once

namespace model { struct Game; }

namespace shell {

struct PlayerInput;

// Handles a pointer input on "map" or "voce"; false for any other surface.
bool handleMapPointer(model::Game& game, const PlayerInput& input);

}  // namespace shell
