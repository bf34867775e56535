// The start layout and the per-run layout.
#include "view/layout.h"

#include "graphics/fonts.h"
#include "model/game.h"
#include "view/end_button.h"
#include "view/layout_rows.h"
#include "view/page.h"
#include "view/pictures.h"

namespace view {

namespace row = model::row;

namespace {

// A picture surface of the panel's size in the panel colour, with its canvas.
void makePanelSurface(model::Game& game, QImage& surface, graphics::Canvas& canvas, const model::Control& panel,
                      const std::string& styleLetters) {
  const uint32_t colour = rowColour(game, row::PanelColour).rgb();
  surface = graphics::makeSurface(panel.width, panel.height, colour);
  canvas.brush = colour;
  setMessageFont(game, canvas, rowColour(game, row::TextColour), styleLetters);
}

// The typewriter page: the viewer's size less 10 each way, font rows 32 to 34 and 57.
void layOutTypewriterPage(model::Game& game) {
  auto& screen = game.screen;
  screen.MsgMd0.width = screen.Abok1.width - 10;
  screen.MsgMd0.height = screen.Abok1.height - 10;
  screen.MsgMd0.background = rowColour(game, row::PanelColour);
  setControlFontFromRows(game, screen.MsgMd0, row::MsgMd0FontName, row::MsgMd0FontSize, row::MsgMd0FontColour, row::MsgMd0FontStyle);
}

// The mode-"3" page at (5, 5) in the viewer's size less 21 and 10, drawn with
// the text style (whose colours are the table's at this point).
void layOutPage3(model::Game& game) {
  const model::TextStyle& style = game.screen.style;
  graphics::Canvas& canvas = game.surfaces.canvas.TelMod3;
  canvas.brush = rowColour(game, row::PanelColour).rgb();
  canvas.fontName = style.textFontName;
  canvas.fontSize = style.textFontSize;
  canvas.fontColour = rowColour(game, row::TextColour).rgb();
  canvas.bold = style.textBold;
  canvas.italic = style.textItalic;
  canvas.underline = style.textUnderline;
  graphics::resizeSurface(game.surfaces.TelMod3, rowNumber(game, row::CanvasViewerWidth) - 21, rowNumber(game, row::CanvasViewerHeight) - 10, canvas.brush);
}

// The strip's size, colours and message font; shown by row 35.
void layOutStrip(model::Game& game) {
  auto& msg = game.screen.Msg;
  msg.width = rowNumber(game, row::MsgWidth);
  msg.height = rowNumber(game, row::MsgHeight);
  msg.background = rowColour(game, row::PanelColour);
  setControlFont(msg, game.Defs.defsRow(row::MessageFontName), rowNumber(game, row::MessageFontSize), rowColour(game, row::TextColour), game.Defs.defsRow(row::MessageFontStyle));
  msg.visible = game.Defs.isOn(row::MsgShown);
}

}  // namespace

void resetTextStyle(model::Game& game) {
  auto& style = game.screen.style;
  style.textFontName = game.Defs.defsRow(row::MessageFontName);
  style.textFontSize = rowNumber(game, row::MessageFontSize);
  style.textBackColour = game.Defs.defsRow(row::PanelColour);
  style.textForeColour = game.Defs.defsRow(row::TextColour);
  style.textBold = style.textItalic = style.textUnderline = false;
}

void layOutInput(model::Game& game) {
  auto& screen = game.screen;
  model::Control& input = screen.Input;
  setGeometry(input, rowNumber(game, row::InputLeft), rowNumber(game, row::InputTop), rowNumber(game, row::InputWidth), rowNumber(game, row::InputHeight));
  input.background = rowColour(game, row::InputColour);
  setControlFontFromRows(game, input, row::InputFontName, row::InputFontSize, row::InputFontColour, row::InputFontStyle);
  input.visible = game.Defs.isOn(row::InputShown) && screen.viewerPage != model::ViewerPage::Page && screen.viewerPage != model::ViewerPage::Canvas;
}

void layOutFunctionPanel(model::Game& game) {
  auto& screen = game.screen;
  auto& surfaces = game.surfaces;
  model::Control& panel = screen.Abok2;
  setGeometry(panel, rowNumber(game, row::PanelLeft), rowNumber(game, row::PanelTop), rowNumber(game, row::PanelWidth), rowNumber(game, row::PanelHeight));
  panel.background = rowColour(game, row::PanelColour);
  makePanelSurface(game, surfaces.TelCmd, surfaces.canvas.TelCmd, panel, "");
  makePanelSurface(game, surfaces.BufFunc, surfaces.canvas.BufFunc, panel, "");
  panel.visible = game.Defs.isOn(row::PanelShown);
}

void applyStartLayout(model::Game& game) {
  auto& screen = game.screen;
  auto& surfaces = game.surfaces;
  const auto& defs = game.Defs;

  logBadLayoutRows(game);

  // The game area, the window and the skin.
  screen.outerPage = model::OuterPage::Default;
  game.window.width = rowNumber(game, row::GameWidth);
  game.window.height = rowNumber(game, row::GameHeight);
  setGeometry(screen.Imp, 0, 0, game.window.width, game.window.height);
  // A game without a skin picture gets a plain one in the panel colour to draw on.
  surfaces.Imp = surfaces.Imp.isNull() ? graphics::makeSurface(game.window.width, game.window.height,
                                                     rowColour(game, row::PanelColour).rgb())
                                       : graphics::toSurfaceFormat(surfaces.Imp);

  // The text style and the phrase file.
  auto& style = screen.style;
  style.textFontName = defs.defsRow(row::MessageFontName);
  style.textFontSize = rowNumber(game, row::MessageFontSize);
  game.commandsScript = defs.defsRow(row::CommandsScript);
  const graphics::StyleFlags flags = graphics::styleFromLetters(defs.defsRow(row::MessageFontStyle));
  style.textBold = flags.bold;
  style.textItalic = flags.italic;
  style.textUnderline = flags.underline;
  style.textBackColour = defs.defsRow(row::PanelColour);
  style.textForeColour = defs.defsRow(row::TextColour);
  style.linkColour = defs.defsRow(row::LinkColour);
  style.visitedLinkColour = defs.defsRow(row::VisitedLinkColour);
  const graphics::Colour panelColour = rowColour(game, row::PanelColour);

  // The viewer and the page of the start mode.
  setGeometry(screen.Abok1, rowNumber(game, row::ViewerLeft), rowNumber(game, row::ViewerTop), rowNumber(game, row::ViewerWidth), rowNumber(game, row::ViewerHeight));
  screen.Abok1.background = panelColour;
  screen.Modelo = model::DisplayModeSetting::parse(defs.defsRow(row::StartDisplayMode));
  screen.viewerPage = model::ViewerPageSetting::of(screen.Modelo);

  layOutTypewriterPage(game);

  // Page "1": the strip, the picture panel, Tela and BufTela.
  screen.Msg.x = rowNumber(game, row::MsgLeft);
  screen.Msg.y = rowNumber(game, row::MsgTop);
  layOutStrip(game);
  setGeometry(screen.PanTel, 0, 0, rowNumber(game, row::PictureWidth), rowNumber(game, row::PictureHeight));
  screen.PanTel.background = panelColour;
  setGeometry(screen.Tela, 0, 0, screen.PanTel.width, screen.PanTel.height);
  makePanelSurface(game, surfaces.Tela, surfaces.canvas.Tela, screen.PanTel, "");
  makePanelSurface(game, surfaces.BufTela, surfaces.canvas.BufTela, screen.PanTel, defs.defsRow(row::MessageFontStyle));
  showBlankPage(game, defs.defsRow(row::PanelColour));

  // Page "2": the page view, two pixels above and left of the viewer's corner.
  setGeometry(screen.WebB, -2, -2, rowNumber(game, row::PageViewerWidth) + 20, rowNumber(game, row::PageViewerHeight) + 4);

  // Page "3" and the map page.
  setGeometry(screen.Sbox2, 0, 0, rowNumber(game, row::CanvasViewerWidth), rowNumber(game, row::CanvasViewerHeight));
  screen.Sbox2.background = panelColour;
  layOutPage3(game);
  setGeometry(screen.Sbc1, 0, 0, rowNumber(game, row::MapWidth), rowNumber(game, row::MapHeight));
  screen.Sbc1.background = panelColour;

  layOutInput(game);
  layOutFunctionPanel(game);
  layOutEndButton(game);
  game.hotSpots.clear();
  screen.focus = model::Focus::Window;
  game.host.repaint();
}

void reapplyRunLayout(model::Game& game, const std::string& name) {
  auto& screen = game.screen;
  auto& surfaces = game.surfaces;
  screen.outerPage = model::OuterPage::Default;
  ++screen.windowRaises;
  game.runner.currentScript = name;
  game.hotSpots.clear();
  screen.telaCursor = 0;
  screen.pictureLinkScript.clear();
  resetTextStyle(game);

  const model::ViewerPage page = screen.viewerPage;
  if (page == model::ViewerPage::Typewriter) {
    screen.Abok1.width = rowNumber(game, row::ViewerWidth);
    screen.Abok1.height = rowNumber(game, row::ViewerHeight);
    screen.MsgMd0.text.clear();
    layOutTypewriterPage(game);
  } else if (page == model::ViewerPage::Strip) {
    model::Control& msg = screen.Msg;
    msg.text.clear();
    msg.x = rowNumber(game, row::MsgLeft);
    msg.y = rowNumber(game, row::MsgTop);
    // The viewer reaches 5 pixels below the strip as it stood before the strip
    // takes its own size again.
    screen.Abok1.width = screen.Tela.width;
    screen.Abok1.height = msg.y + msg.height + 5;
    layOutStrip(game);
    for (graphics::Canvas* canvas : {&surfaces.canvas.Tela, &surfaces.canvas.BufTela}) {
      canvas->brush = rowColour(game, row::PanelColour).rgb();
      setMessageFont(game, *canvas, rowColour(game, row::TextColour), "");
    }
  } else if (page == model::ViewerPage::Page) {
    screen.Abok1.width = rowNumber(game, row::PageViewerWidth);
    screen.Abok1.height = rowNumber(game, row::PageViewerHeight);
  } else if (page == model::ViewerPage::Canvas) {
    screen.Abok1.width = rowNumber(game, row::CanvasViewerWidth);
    screen.Abok1.height = rowNumber(game, row::CanvasViewerHeight);
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
