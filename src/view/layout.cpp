// The start layout and the per-run layout.
#include "view/layout.h"

#include "shell/game.h"
#include "view/colour.h"
#include "view/end_button.h"
#include "view/fonts.h"
#include "view/layout_rows.h"
#include "view/page.h"
#include "view/pictures.h"

namespace view {
namespace {

// A picture surface of the panel's size in the panel colour, with its canvas.
void makePanelSurface(shell::Game& game, QImage& surface, Canvas& canvas, const Control& panel,
                      const std::string& styleLetters) {
  const std::string colour = rowColour(game, 18);
  surface = makeSurface(panel.width, panel.height, colourFromHex(colour));
  canvas.brush = colourFromHex(colour);
  setMessageFont(game, canvas, rowColour(game, 19), styleLetters);
}

// The typewriter page: the viewer's size less 10 each way, font rows 32 to 34 and 57.
void layOutTypewriterPage(shell::Game& game) {
  auto& screen = game.screen;
  screen.MsgMd0.width = screen.Abok1.width - 10;
  screen.MsgMd0.height = screen.Abok1.height - 10;
  screen.MsgMd0.background = rowColour(game, 18);
  setControlFontFromRows(game, screen.MsgMd0, 32, 33, 34, 57);
}

// The mode-"3" page at (5, 5) in the viewer's size less 21 and 10, drawn with
// the text style (whose colours are the table's at this point).
void layOutPage3(shell::Game& game) {
  const TextStyle& style = game.screen.style;
  Canvas& canvas = game.surfaces.canvas.TelMod3;
  canvas.brush = colourFromHex(rowColour(game, 18));
  canvas.fontName = style.textFontName;
  canvas.fontSize = style.textFontSize;
  canvas.fontColour = colourFromHex(rowColour(game, 19));
  canvas.bold = style.textBold;
  canvas.italic = style.textItalic;
  canvas.underline = style.textUnderline;
  resizeSurface(game.surfaces.TelMod3, rowNumber(game, 49) - 21, rowNumber(game, 50) - 10, canvas.brush);
}

// The strip's size, colours and message font; shown by row 35.
void layOutStrip(shell::Game& game) {
  auto& msg = game.screen.Msg;
  msg.width = rowNumber(game, 29);
  msg.height = rowNumber(game, 30);
  msg.background = rowColour(game, 18);
  setControlFont(msg, game.Defs.defsRow(15), rowNumber(game, 16), rowColour(game, 19), game.Defs.defsRow(67));
  msg.visible = game.Defs.isOn(35);
}

}  // namespace

void resetTextStyle(shell::Game& game) {
  auto& style = game.screen.style;
  style.textFontName = game.Defs.defsRow(15);
  style.textFontSize = rowNumber(game, 16);
  style.textBackColour = game.Defs.defsRow(18);
  style.textForeColour = game.Defs.defsRow(19);
  style.textBold = style.textItalic = style.textUnderline = false;
}

void layOutInput(shell::Game& game) {
  auto& screen = game.screen;
  Control& input = screen.Input;
  setGeometry(input, rowNumber(game, 36), rowNumber(game, 37), rowNumber(game, 38), rowNumber(game, 39));
  input.background = rowColour(game, 40);
  setControlFontFromRows(game, input, 41, 42, 43, 68);
  input.visible = game.Defs.isOn(44) && screen.viewerPage != "2" && screen.viewerPage != "3";
}

void layOutFunctionPanel(shell::Game& game) {
  auto& screen = game.screen;
  auto& surfaces = game.surfaces;
  Control& panel = screen.Abok2;
  setGeometry(panel, rowNumber(game, 45), rowNumber(game, 46), rowNumber(game, 47), rowNumber(game, 48));
  panel.background = rowColour(game, 18);
  makePanelSurface(game, surfaces.TelCmd, surfaces.canvas.TelCmd, panel, "");
  makePanelSurface(game, surfaces.BufFunc, surfaces.canvas.BufFunc, panel, "");
  panel.visible = game.Defs.isOn(53);
}

void applyStartLayout(shell::Game& game) {
  auto& screen = game.screen;
  auto& surfaces = game.surfaces;
  const auto& defs = game.Defs;

  logBadLayoutRows(game);

  // The game area, the window and the skin.
  screen.outerPage = OuterPage::Default;
  game.window.width = rowNumber(game, 11);
  game.window.height = rowNumber(game, 12);
  setGeometry(screen.Imp, 0, 0, game.window.width, game.window.height);
  // A game without a skin picture gets a plain one in the panel colour to draw on.
  surfaces.Imp = surfaces.Imp.isNull() ? makeSurface(game.window.width, game.window.height,
                                                     colourFromHex(rowColour(game, 18)))
                                       : toSurfaceFormat(surfaces.Imp);

  // The text style and the phrase file.
  auto& style = screen.style;
  style.textFontName = defs.defsRow(15);
  style.textFontSize = rowNumber(game, 16);
  game.commandsScript = defs.defsRow(17);
  const StyleFlags flags = styleFromLetters(defs.defsRow(67));
  style.textBold = flags.bold;
  style.textItalic = flags.italic;
  style.textUnderline = flags.underline;
  style.textBackColour = defs.defsRow(18);
  style.textForeColour = defs.defsRow(19);
  style.linkColour = defs.defsRow(20);
  style.visitedLinkColour = defs.defsRow(21);
  const std::string panelColour = rowColour(game, 18);

  // The viewer and the page of the start mode.
  setGeometry(screen.Abok1, rowNumber(game, 22), rowNumber(game, 23), rowNumber(game, 24), rowNumber(game, 25));
  screen.Abok1.background = panelColour;
  screen.Modelo = defs.defsRow(26);
  screen.viewerPage = screen.Modelo;

  layOutTypewriterPage(game);

  // Page "1": the strip, the picture panel, Tela and BufTela.
  screen.Msg.x = rowNumber(game, 27);
  screen.Msg.y = rowNumber(game, 28);
  layOutStrip(game);
  setGeometry(screen.PanTel, 0, 0, rowNumber(game, 58), rowNumber(game, 59));
  screen.PanTel.background = panelColour;
  setGeometry(screen.Tela, 0, 0, screen.PanTel.width, screen.PanTel.height);
  makePanelSurface(game, surfaces.Tela, surfaces.canvas.Tela, screen.PanTel, "");
  makePanelSurface(game, surfaces.BufTela, surfaces.canvas.BufTela, screen.PanTel, defs.defsRow(67));
  showBlankPage(game, defs.defsRow(18));

  // Page "2": the page view, two pixels above and left of the viewer's corner.
  setGeometry(screen.WebB, -2, -2, rowNumber(game, 51) + 20, rowNumber(game, 52) + 4);

  // Page "3" and the map page.
  setGeometry(screen.Sbox2, 0, 0, rowNumber(game, 49), rowNumber(game, 50));
  screen.Sbox2.background = panelColour;
  layOutPage3(game);
  setGeometry(screen.Sbc1, 0, 0, rowNumber(game, 96), rowNumber(game, 97));
  screen.Sbc1.background = panelColour;

  layOutInput(game);
  layOutFunctionPanel(game);
  layOutEndButton(game);
  game.hotSpots.clear();
  screen.focus = Focus::Window;
  game.host.repaint();
}

void reapplyRunLayout(shell::Game& game, const std::string& name) {
  auto& screen = game.screen;
  auto& surfaces = game.surfaces;
  screen.outerPage = OuterPage::Default;
  ++screen.windowRaises;
  game.runner.currentScript = name;
  game.hotSpots.clear();
  screen.telaCursor = 0;
  screen.pictureLinkScript.clear();
  resetTextStyle(game);

  const std::string& page = screen.viewerPage;
  if (page == "0") {
    screen.Abok1.width = rowNumber(game, 24);
    screen.Abok1.height = rowNumber(game, 25);
    screen.MsgMd0.text.clear();
    layOutTypewriterPage(game);
  } else if (page == "1") {
    Control& msg = screen.Msg;
    msg.text.clear();
    msg.x = rowNumber(game, 27);
    msg.y = rowNumber(game, 28);
    // The viewer reaches 5 pixels below the strip as it stood before the strip
    // takes its own size again.
    screen.Abok1.width = screen.Tela.width;
    screen.Abok1.height = msg.y + msg.height + 5;
    layOutStrip(game);
    for (Canvas* canvas : {&surfaces.canvas.Tela, &surfaces.canvas.BufTela}) {
      canvas->brush = colourFromHex(rowColour(game, 18));
      setMessageFont(game, *canvas, rowColour(game, 19), "");
    }
  } else if (page == "2") {
    screen.Abok1.width = rowNumber(game, 51);
    screen.Abok1.height = rowNumber(game, 52);
  } else if (page == "3") {
    screen.Abok1.width = rowNumber(game, 49);
    screen.Abok1.height = rowNumber(game, 50);
    layOutPage3(game);
    screen.textX = screen.textY = 0;
    screen.Memo3.clear();
  }
  layOutInput(game);
  screen.Input.text.clear();
  layOutFunctionPanel(game);
  game.host.repaint();
}

}  // namespace view
