// The display mode switch.
#include "view/display_mode.h"

#include "base/text.h"
#include "graphics/canvas_text.h"
#include "shell/game.h"
#include "view/canvas_style.h"
#include "view/colour.h"
#include "view/layout_rows.h"
#include "view/page.h"

namespace view {

namespace row = shell::row;

namespace {

void enterMode0(shell::Game& game) {
  auto& screen = game.screen;
  screen.viewerPage = "0";
  screen.Input.visible = game.Defs.isOn(row::InputShown);
  screen.Abok1.height = rowNumber(game, row::ViewerHeight);
  screen.MsgMd0.text.clear();
  screen.MsgMd0.background = checkedColour(screen.style.textBackColour);
}

void enterMode1(shell::Game& game) {
  auto& screen = game.screen;
  screen.viewerPage = "1";
  screen.Msg.visible = game.Defs.isOn(row::MsgShown);
  screen.Input.visible = game.Defs.isOn(row::InputShown);
  screen.Abok1.height = rowNumber(game, row::ViewerHeight);
  screen.Msg.text.clear();
}

// The page view reaches down to the bottom edge of the command box.
void enterMode2(shell::Game& game) {
  auto& screen = game.screen;
  showBlankPage(game, screen.style.textBackColour);
  screen.viewerPage = "2";
  screen.Input.visible = false;
  Control& viewer = screen.Abok1;
  viewer.width = rowNumber(game, row::ViewerWidth);
  viewer.height = rowNumber(game, row::InputTop) + rowNumber(game, row::InputHeight) - viewer.y;
  screen.WebB.width = viewer.width + 20;
  screen.WebB.height = viewer.height + 4;
  beginPage(game);
  loadPageText(game, base::joinLines(screen.WebTxt));
  focusPage(game);
}

void enterMode3(shell::Game& game) {
  auto& screen = game.screen;
  auto& surfaces = game.surfaces;
  screen.Input.visible = false;
  screen.viewerPage = "3";
  Control& viewer = screen.Abok1;
  viewer.width = rowNumber(game, row::CanvasViewerWidth);
  viewer.height = rowNumber(game, row::CanvasViewerHeight);
  screen.Sbox2.width = viewer.width;
  screen.Sbox2.height = viewer.height;
  screen.Sbox2.background = viewer.background;
  surfaces.canvas.TelMod3 = canvasFromStyle(screen.style);
  surfaces.TelMod3 = graphics::makeSurface(viewer.width - 18, viewer.height - 10, surfaces.canvas.TelMod3.brush);
  screen.Memo3.clear();
  screen.textX = screen.textY = 0;
  screen.focus = Focus::Sbox2;
}

}  // namespace

void setDisplayMode(shell::Game& game, const std::string& mode) {
  auto& screen = game.screen;
  screen.Input.text.clear();
  game.hotSpots.clear();
  screen.Modelo = mode;
  screen.Abok2.visible = game.Defs.isOn(row::PanelShown);
  if (isTypewriterMode(mode)) {
    enterMode0(game);
    game.host.repaint();
    return;
  }
  if (isStripMode(mode))
    enterMode1(game);
  else if (isPageMode(mode))
    enterMode2(game);
  else if (isCanvasMode(mode))
    enterMode3(game);
  else
    return;
  game.host.repaint();
  game.host.processEvents();
  if (screen.Input.visible) screen.focus = Focus::Input;
}

}  // namespace view
