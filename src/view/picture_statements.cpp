// Picture statements.
#include "view/page.h"
#include "view/picture_statements.h"

#include "base/number.h"
#include "base/text.h"
#include "model/dispatch.h"
#include "script/placeholders.h"
#include "model/game.h"
#include "view/colour.h"
#include "view/control_arguments.h"
#include "view/display_statement.h"
#include "view/object_display.h"
#include "view/pictures.h"

namespace view {

namespace row = model::row;

namespace {

using model::Statement;

// The colour argument, or the text style's background when it is empty.
uint32_t colourOrBackground(const model::Game& game, const std::string& colour) {
  return colourFromHex(colour.empty() ? game.screen.style.textBackColour : colour);
}

// The canvas takes the text style's face, size and colour.
void takeStyleFont(const model::Game& game, graphics::Canvas& canvas) {
  const model::TextStyle& style = game.screen.style;
  canvas.fontName = style.textFontName;
  canvas.fontSize = style.textFontSize;
  canvas.fontColour = colourFromHex(style.textForeColour);
}

// The mode-"3" page filled with its brush and shown at once.
void clearPage3(model::Game& game, uint32_t colour) {
  graphics::fillSurface(telMod3(game), colour);
  game.surfaces.Tela3 = game.surfaces.TelMod3;
}

void clearPicture(model::Game& game, Statement& s) {
  auto& surfaces = game.surfaces;
  const uint32_t colour = colourOrBackground(game, s.arg(1));
  surfaces.canvas.BufTela.brush = colour;
  graphics::fillSurface(surfaces.BufTela, QRect(0, 0, game.screen.Tela.width, game.screen.Tela.height), colour);
  takeStyleFont(game, surfaces.canvas.BufTela);
  clearPage3(game, surfaces.canvas.TelMod3.brush);
  game.host.repaint();
}

void clearFunctionPanel(model::Game& game, Statement& s) {
  auto& surfaces = game.surfaces;
  const uint32_t colour = colourOrBackground(game, s.arg(1));
  takeStyleFont(game, surfaces.canvas.BufFunc);
  surfaces.canvas.BufFunc.brush = colour;
  graphics::fillSurface(surfaces.BufFunc, colour);
}

// cleartotal: the texts and the visible pictures are emptied; the buffers stay,
// so the end of the run paints them over the pictures again.
void clearScreens(model::Game& game, Statement&) {
  auto& screen = game.screen;
  auto& surfaces = game.surfaces;
  screen.MsgMd0.text.clear();
  screen.Msg.text.clear();
  screen.Input.text.clear();
  const uint32_t colour = colourOrBackground(game, "");
  graphics::fillSurface(surfaces.Tela, colour);
  clearPage3(game, colour);
  graphics::fillSurface(surfaces.TelCmd, colour);
  game.host.repaint();
  game.host.processEvents();
}

// hud= "off" in every mode; in mode "1" also "on", a ".bmp" picture, or its place x, y.
void headUpPicture(model::Game& game, Statement& s) {
  auto& screen = game.screen;
  const std::string& first = s.arg(1);
  if (first.empty()) return;
  if (first == "off") {
    screen.hudOn = false;
    return;
  }
  if (!screen.isStripMode()) return;
  if (first == "on") {
    screen.hudOn = true;
    graphics::drawTransparent(game.surfaces.BufTela, game.surfaces.Hud, screen.hudX, screen.hudY);
  } else if (base::contains(first, ".bmp")) {
    loadPicture(game, first, graphics::SurfaceId::Hud);
  } else {
    screen.hudX = graphics::clampCoordinate(base::readNumberOr(first, 0));
    screen.hudY = graphics::clampCoordinate(base::readNumberOr(s.arg(2), 0));
  }
}

// telpos= picture, script: the picture shown with a link over all of it.
void pictureLink(model::Game& game, Statement& s) {
  auto& screen = game.screen;
  const std::string& picture = s.arg(1);
  const std::string script = script::resolvePlaceholder(game, s.arg(2));
  screen.pictureLinkScript = script;
  const model::DisplayMode mode = screen.Modelo;
  if (mode == model::DisplayMode::Strip) {
    loadPicture(game, picture, graphics::SurfaceId::Tela);
    screen.telaCursor = script.empty() ? 0 : 1;
  } else if (mode == model::DisplayMode::Page) {
    const std::string image =
        "<img src=" + game.folders.exeFolderUrl + picture + " width=" + game.Defs.defsRow(row::ViewerWidth) + "px border=0>";
    addPageLine(game, script.empty() ? image : "<a href=Scp=" + script + ">" + image + "</a>");
  } else if (mode == model::DisplayMode::Canvas) {
    loadPicture(game, picture, graphics::SurfaceId::TelMod3);
  }
  game.host.repaint();
}

void pictureBrush(model::Game& game, Statement& s) { game.surfaces.canvas.BufTela.brush = colourFromHex(s.arg(1)); }
void pictureFontColour(model::Game& game, Statement& s) {
  game.surfaces.canvas.BufTela.fontColour = colourFromHex(s.arg(1));
}
void pictureFontFace(model::Game& game, Statement& s) { game.surfaces.canvas.BufTela.fontName = s.arg(1); }
void pictureFontSize(model::Game& game, Statement& s) { game.surfaces.canvas.BufTela.fontSize = numberArgument(s, 1); }

}  // namespace

void registerPictureStatements(model::Dispatch& dispatch) {
  static const model::StatementRow rows[] = {
      {"cleartela", {}, clearPicture, {{"c", 0}},
       "`colour` (default the background colour). Clears the location picture and the mode-3 page."},
      {"clearfunc", {}, clearFunctionPanel, {{"c", 0}},
       "`colour`. Clears the function panel."},
      {"display", {"display="}, display, std::nullopt,
       "`file, target, x, y, w, h, align` for a picture (`.png`, `.jpg`, `.bmp`, `.gif`); `text, target, x, y, size, colour, style` for a text."},
      {"showobj=", {}, showObject, {{"oz", 2, true}},
       "`key, part, target, x, y, w, h, size, colour`. Shows an object's name (`tit`), description (`dsc`) or picture (`shp`), per mode."},
      {"hud=", {"masktel="}, headUpPicture, std::nullopt,
       "`on`, `off`, a `.bmp` file, or `x, y`."},
      {"telpos=", {}, pictureLink, {{"ps", 1}},
       "`picture, script`. Shows the picture as a whole-picture link: a click anywhere on it runs the script."},
      {"telacorfnd=", {}, pictureBrush, {{"c", 1}},
       "`colour`. Fill colour of the off-screen location picture."},
      {"telacortxt=", {}, pictureFontColour, {{"c", 1}},
       "`colour`. Font colour for text drawn on the location picture."},
      {"telafntnome=", {}, pictureFontFace, {{"x", 1}},
       "`name`. Font for text drawn on the location picture."},
      {"telafntalt=", {}, pictureFontSize, {{"i", 1}},
       "`size`. Font size for text drawn on the location picture."},
      {"cleartotal", {}, clearScreens, {{"", 0}},
       "Empties the texts and the visible pictures at once (the off-screen pictures come back at the end of the run)."},
  };
  dispatch.add(rows);
}

}  // namespace view
