// The display mode switch.
#include "view/display_mode.h"

#include "shell/game.h"
#include "view/layout_rows.h"
#include "view/mode_presenter.h"

namespace view {

void setDisplayMode(shell::Game& game, const DisplayModeSetting& mode) {
  auto& screen = game.screen;
  screen.Input.text.clear();
  game.hotSpots.clear();
  screen.Modelo = mode;
  screen.Abok2.visible = game.Defs.isOn(shell::row::PanelShown);
  presenterFor(mode).enter(game);
}

}  // namespace view
