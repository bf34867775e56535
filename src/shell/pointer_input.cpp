// Pointer input to runs.
#include "shell/pointer_input.h"

#include "shell/turn.h"
#include "model/argument_words.h"
#include "shell/game.h"
#include "shell/player_input.h"
#include "view/pointer.h"

namespace shell {
namespace {

void press(model::Game& game, model::PointerSurface surface, int x, int y) {
  // The whole-picture link of the main picture runs first; the press goes down
  // on the slot under the pointer before that run, as that run left it (one
  // click, two runs).
  const int slot = view::slotUnderPress(game, surface, x, y);
  const std::string first = view::pressRuns(game, surface);
  if (!first.empty()) runScript(game, first);
  view::pointerPressed(game, surface, slot, x, y);
}

void release(model::Game& game, model::PointerSurface surface, int x, int y) {
  const std::string script = view::pointerReleased(game, surface, x, y);
  if (!script.empty()) runScript(game, script);
}

}  // namespace

bool handlePointer(model::Game& game, const PlayerInput& input) {
  using Kind = PlayerInput::Kind;
  const auto named = model::readArgument<'g'>(input.text);
  if (!named) return false;
  const model::PointerSurface surface = *named;
  switch (input.kind) {
    case Kind::Move: view::pointerMoved(game, surface, input.x, input.y); break;
    case Kind::Press: press(game, surface, input.x, input.y); break;
    case Kind::Release: release(game, surface, input.x, input.y); break;
    case Kind::Click:
      view::pointerMoved(game, surface, input.x, input.y);
      press(game, surface, input.x, input.y);
      release(game, surface, input.x, input.y);
      break;
    case Kind::Wheel:
      if (surface != model::PointerSurface::Tela3) return false;
      view::wheelTurned(game, input.x, input.y, input.delta);
      break;
    default: return false;
  }
  return true;
}

}  // namespace shell
