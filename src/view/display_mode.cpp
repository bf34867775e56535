// The display mode switch.
#include "view/display_mode.h"

#include "model/game.h"
#include "view/layout_rows.h"
#include "view/mode_presenter.h"

namespace view {

void setDisplayMode(model::Game& game, const model::DisplayModeSetting& mode) {
  auto& screen = game.screen;
  screen.Input.text.clear();
  game.hotSpots.clear();
  screen.Modelo = mode;
  screen.Abok2.visible = game.Defs.isOn(model::row::PanelShown);
  presenterFor(mode).enter(game);
}

}  // namespace view
