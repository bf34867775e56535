// Connects the player's input queue to the subsystems that handle each kind of
// input (game start, typed commands and keys, page links, clicks). Every front
// end — window, terminal, events file — uses this one wiring.
#pragma once

namespace shell {

class Player;

void connectPlayerInput(Player& player);

}  // namespace shell
