// Input handlers of the player.
#include "shell/input_wiring.h"

#include <optional>

#include "input/command_keys.h"
#include "online/down_controls.h"
#include "shell/game_start.h"
#include "shell/input_queue.h"
#include "shell/map_input.h"
#include "shell/pointer_input.h"
#include "shell/turn.h"
#include "view/links.h"

namespace shell {
namespace {

void runIfAsked(model::Game& game, const std::optional<std::string>& script) {
  if (script) runScript(game, *script);
}

}  // namespace

void typeCommand(model::Game& game, const std::string& text) { runIfAsked(game, input::typeCommand(game, text)); }

void pressKey(model::Game& game, const std::string& key) { runIfAsked(game, input::pressKey(game, key)); }

void releaseKey(model::Game& game, const std::string& key) { runIfAsked(game, input::keyReleased(game, key)); }

void followLink(model::Game& game, const std::string& address) { runIfAsked(game, view::followLink(game, address)); }

void connectPlayerInput(InputQueue& queue) {
  queue.onStart = [](model::Game& game, const PlayerInput&) { startGame(game); };
  // Typed text goes into the command box key by key, then Enter is released.
  queue.onType = [](model::Game& game, const PlayerInput& input) { typeCommand(game, input.text); };
  // A key input is the key's release; its press (the click) came before it.
  queue.onKey = [](model::Game& game, const PlayerInput& input) { releaseKey(game, input.text); };
  queue.onLink = [](model::Game& game, const PlayerInput& input) { followLink(game, input.text); };
  // The pointer: the map page's map and marker first, then hot spots, the
  // skin's drag and the mode-"3" wheel over the pictures.
  queue.onPointer = [&queue](model::Game& game, const PlayerInput& input) {
    if (!handleMapPointer(game, input) && !handlePointer(game, input) && queue.onUnsupported)
      queue.onUnsupported("this build of the player cannot handle the pointer on \"" + input.text + "\" yet");
  };
  // A click on a control of the "Down" page, after its mouse up.
  queue.onDown = [](model::Game& game, const PlayerInput& input) { online::actOnDownControl(game, input.text); };
}

}  // namespace shell
