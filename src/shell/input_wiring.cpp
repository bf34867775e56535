// Input handlers of the player.
#include "shell/input_wiring.h"

#include "input/command_keys.h"
#include "online/down_controls.h"
#include "shell/player.h"
#include "view/links.h"
#include "world/game_start.h"

namespace shell {

void connectPlayerInput(Player& player) {
  player.onStart = [](Game& game, const PlayerInput&) { world::startGame(game); };
  // Typed text goes into the command box key by key, then Enter is released.
  player.onType = [](Game& game, const PlayerInput& input) { input::typeCommand(game, input.text); };
  // A key input is the key's release; its press (the click) came before it.
  player.onKey = [](Game& game, const PlayerInput& input) { input::keyReleased(game, input.text); };
  // The page view completed a navigation to the address: "Scp=" links run scripts.
  player.onLink = [](Game& game, const PlayerInput& input) { view::followLink(game, input.text); };
  // A click on a control of the "Down" page, after its mouse up.
  player.onDown = [](Game& game, const PlayerInput& input) { online::actOnDownControl(game, input.text); };
}

}  // namespace shell
