// End-of-run screen copies.
#include "view/end_of_run.h"

#include "shell/game.h"
#include "view/page.h"

namespace view {

void endOfRunScreen(shell::Game& game) {
  auto& surfaces = game.surfaces;
  if (game.screen.Modelo == "1" && !surfaces.BufTela.isNull()) surfaces.Tela = surfaces.BufTela.copy();
  if (!surfaces.BufFunc.isNull()) surfaces.TelCmd = surfaces.BufFunc.copy();
}

void endOfRunPage(shell::Game& game) {
  const std::string& mode = game.screen.Modelo;
  if (mode == "3" && !game.surfaces.TelMod3.isNull()) game.surfaces.Tela3 = game.surfaces.TelMod3.copy();
  if (mode == "2" && !game.screen.WebTxt.empty()) finishPage(game);
  game.host.repaint();
}

}  // namespace view
