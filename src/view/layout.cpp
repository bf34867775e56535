// Per-run layout reset.
#include "view/layout.h"

#include "base/number.h"
#include "shell/game.h"

namespace view {

void resetTextStyle(shell::Game& game) {
  auto& style = game.screen.style;
  style.textFontName = game.Defs.defsRow(15);
  style.textFontSize = base::readNumberOr(game.Defs.defsRow(16), 16);
  style.textBackColour = game.Defs.defsRow(18);
  style.textForeColour = game.Defs.defsRow(19);
  style.textBold = style.textItalic = style.textUnderline = false;
}

void applyStartLayout(shell::Game& game) {
  auto& screen = game.screen;
  screen.outerPage = OuterPage::Default;
  resetTextStyle(game);
  screen.Modelo = game.Defs.defsRow(26);
  screen.viewerPage = screen.Modelo;
  game.host.repaint();
}

void reapplyRunLayout(shell::Game& game, const std::string& name) {
  auto& screen = game.screen;
  screen.outerPage = OuterPage::Default;
  game.runner.currentScript = name;
  resetTextStyle(game);
  if (screen.Modelo == "3") {
    screen.Memo3.clear();
    screen.textX = screen.textY = 0;
  }
  screen.Input.text.clear();
  game.host.repaint();
}

}  // namespace view
