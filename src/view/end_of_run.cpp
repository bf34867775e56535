// End-of-run screen copies.
#include "view/end_of_run.h"

#include "shell/game.h"
#include "view/page.h"

namespace view {

void endOfRunScreen(shell::Game& game) {
  auto& surfaces = game.surfaces;
  const auto& screen = game.screen;
  if (screen.hudOn) graphics::drawTransparent(surfaces.BufTela, surfaces.Hud, screen.hudX, screen.hudY);
  // Surfaces share their pixels until one of them is drawn on again.
  if (screen.isStripMode() && !surfaces.BufTela.isNull()) surfaces.Tela = surfaces.BufTela;
  if (!surfaces.BufFunc.isNull()) surfaces.TelCmd = surfaces.BufFunc;
}

void endOfRunPage(shell::Game& game) {
  auto& screen = game.screen;
  const std::string& mode = screen.Modelo;
  if ((isTypewriterMode(mode) || isStripMode(mode)) && screen.Input.visible) screen.focus = Focus::Input;
  if (isCanvasMode(mode) && !game.surfaces.TelMod3.isNull()) game.surfaces.Tela3 = game.surfaces.TelMod3;
  if (isPageMode(mode) && !screen.WebTxt.empty()) finishPage(game);
  game.host.repaint();
}

}  // namespace view
