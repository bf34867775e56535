// End-of-run screen copies.
#include "view/end_of_run.h"

#include "shell/game.h"
#include "view/page.h"

namespace view {

void endOfRunScreen(shell::Game& game) {
  auto& surfaces = game.surfaces;
  const auto& screen = game.screen;
  if (screen.hudOn) drawTransparent(surfaces.BufTela, surfaces.Hud, screen.hudX, screen.hudY);
  // Surfaces share their pixels until one of them is drawn on again.
  if (screen.Modelo == "1" && !surfaces.BufTela.isNull()) surfaces.Tela = surfaces.BufTela;
  if (!surfaces.BufFunc.isNull()) surfaces.TelCmd = surfaces.BufFunc;
}

void endOfRunPage(shell::Game& game) {
  auto& screen = game.screen;
  const std::string& mode = screen.Modelo;
  if ((mode == "0" || mode == "1") && screen.Input.visible) screen.focus = Focus::Input;
  if (mode == "3" && !game.surfaces.TelMod3.isNull()) game.surfaces.Tela3 = game.surfaces.TelMod3;
  if (mode == "2" && !screen.WebTxt.empty()) finishPage(game);
  game.host.repaint();
}

}  // namespace view
