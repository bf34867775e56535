// End-of-run screen copies.
#include "view/end_of_run.h"

#include "model/game.h"
#include "view/mode_presenter.h"

namespace view {

void endOfRunScreen(model::Game& game) {
  auto& surfaces = game.surfaces;
  const auto& screen = game.screen;
  if (screen.hudOn) graphics::drawTransparent(surfaces.BufTela, surfaces.Hud, screen.hudX, screen.hudY);
  // Surfaces share their pixels until one of them is drawn on again.
  if (screen.isStripMode() && !surfaces.BufTela.isNull()) surfaces.Tela = surfaces.BufTela;
  if (!surfaces.BufFunc.isNull()) surfaces.TelCmd = surfaces.BufFunc;
}

void endOfRunPage(model::Game& game) {
  presenterFor(game.screen.Modelo).endOfRun(game);
  game.host.repaint();
}

}  // namespace view
