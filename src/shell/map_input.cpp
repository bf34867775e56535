// Pointer input on the map page.
#include "shell/map_input.h"

#include "shell/game.h"
#include "shell/player_input.h"
#include "shell/turn.h"
#include "view/map_page.h"

namespace shell {

bool handleMapPointer(model::Game& game, const PlayerInput& input) {
  using Kind = PlayerInput::Kind;
  if (input.text != "map" && input.text != "voce") return false;
  // Neither can be reached while the viewer shows another page.
  if (game.screen.viewerPage != model::ViewerPage::Map) return true;
  if (input.text == "voce") {
    // The marker acts on the release of a click, as a button does.
    if (input.kind == Kind::Click || input.kind == Kind::Release)
      if (auto script = view::voceClicked(game)) runScript(game, *script);
    return true;
  }
  switch (input.kind) {
    case Kind::Press: view::mapPressed(game, input.x, input.y); break;
    case Kind::Move: view::mapMoved(game, input.x, input.y); break;
    case Kind::Release: view::mapReleased(game); break;
    case Kind::Click:
      view::mapPressed(game, input.x, input.y);
      view::mapReleased(game);
      break;
    default: break;
  }
  return true;
}

}  // namespace shell
