// Input handlers of the player.
#include "shell/input_wiring.h"

#include "shell/player.h"

namespace shell {

void connectPlayerInput(Player& player) {
  (void)player;  // the handlers are connected here as their subsystems provide them
}

}  // namespace shell
