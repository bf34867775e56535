// display= with a picture (placed, or an img line of the page in mode "2") and
// with a text (a text box, or a font line of the page in mode "2").
#include "view/display_statement.h"

#include "base/content_range.h"
#include "base/number.h"
#include "base/text.h"
#include "graphics/picture_decoders.h"
#include "graphics/fonts.h"
#include "model/argument_words.h"
#include "model/statement.h"
#include "model/game.h"
#include "view/page.h"
#include "view/pictures.h"
#include "view/text_box.h"

namespace view {
namespace {

using model::Statement;

// The size of a picture shown on the page. The page decodes the picture to show
// it, so only its header is read here; a PNG is loaded as every picture is, so
// one that cannot be read aborts the run as it does elsewhere.
QSize pagePictureSize(model::Game& game, const std::string& file) {
  if (base::contains(file, ".png")) {
    loadPicture(game, file, graphics::SurfaceId::BufShp);
    return game.surfaces.BufShp.size();
  }
  const auto path = game.folders.dataFolder.find(file);
  const auto size = path ? graphics::declaredPictureSize(*path) : std::nullopt;
  return size ? *size : QSize(0, 0);
}

// The page line of a picture in mode "2".
std::string pictureTag(model::Game& game, const Statement& s) {
  const std::string& file = s.arg(1);
  const QSize size = pagePictureSize(game, file);
  const std::string width = " width=" + (s.arg(5).empty() ? std::to_string(size.width()) : s.arg(5));
  const std::string height = " height=" + (s.arg(6).empty() ? std::to_string(size.height()) : s.arg(6));
  std::string tag = "<img src=" + game.folders.exeFolderUrl + file + width + height + " border=0 ";
  const std::string& align = s.arg(7);
  if (align == "left" || align == "right") tag += "align=" + align;
  if (align == "center") tag = "<div align=center>" + tag + "></div";
  return tag + ">";
}

void displayPicture(model::Game& game, Statement& s) {
  const std::string& file = s.arg(1);
  if (!game.folders.dataFolder.exists(file)) {
    s.trace += "??? <---Imagem inexistente!";
    return;
  }
  const auto target = model::argument<'t'>(s, 2);
  if (!target) {
    s.trace += "??? <---N\xE3o indicou o local tel/fnc/tel!";
    return;
  }
  const model::DisplayMode mode = game.screen.Modelo;
  if (mode == model::DisplayMode::Page && target == model::Surface::Tel) {
    addPageLine(game, pictureTag(game, s));
    return;
  }
  const int x = base::coordinateOr(s.arg(3), 0), y = base::coordinateOr(s.arg(4), 0);
  const int w = base::coordinateOr(s.arg(5), 0), h = base::coordinateOr(s.arg(6), 0);
  switch (*target) {
    case model::Surface::Tel:
      if (mode == model::DisplayMode::Strip) placePicture(game, file, x, y, w, h, graphics::SurfaceId::Tela);
      if (mode == model::DisplayMode::Canvas) placePicture(game, file, game.screen.textX + x, game.screen.textY + y, w, h, graphics::SurfaceId::TelMod3);
      break;
    case model::Surface::Fnc: placePicture(game, file, x, y, w, h, graphics::SurfaceId::TelCmd); break;
    case model::Surface::Pan: placePicture(game, file, x, y, w, h, graphics::SurfaceId::Imp); break;
  }
}

// The font line of a text in mode "2": the style letters open and close their tags.
std::string textLine(const model::Game& game, const std::string& text, int size, const std::string& colour,
                     const std::string& style) {
  const graphics::StyleFlags flags = graphics::styleFromLetters(style);
  std::string open, close;
  if (flags.bold) open += "<b>";
  if (flags.italic) open += "<em>";
  if (flags.underline) open += "<u>", close += "</u>";
  if (flags.italic) close += "</em>";
  if (flags.bold) close += "</b>";
  return "<font face=" + game.screen.style.textFontName + " color=#" + colour + " style=\"font-Size:" +
         std::to_string(size) + "px; \">" + open + text + close + "</font>";
}

void displayText(model::Game& game, Statement& s) {
  const std::string& text = s.arg(1);
  if (text.empty()) {
    s.trace += "??? <---Texto/frase inexistente!";
    return;
  }
  const auto target = model::argument<'t'>(s, 2);
  if (!target) {
    s.trace += "??? <---N\xE3o indicou o local tel/fnc/tel!";
    return;
  }
  const auto& screen = game.screen;
  const model::DisplayMode mode = screen.Modelo;
  TextBox box;
  box.text = text;  // "§" and the other markers reach the text box as written
  box.x = base::coordinateOr(s.arg(3), 0);
  box.y = base::coordinateOr(s.arg(4), 0);
  box.size = base::coordinateOr(s.arg(7), screen.style.textFontSize);
  box.colour = s.arg(8).empty() ? screen.style.textForeColour : s.arg(8);
  box.style = s.arg(9).empty() ? "biu" : s.arg(9);
  box.background = screen.style.textBackColour;
  box.height = box.size;
  if (target == model::Surface::Tel && mode == model::DisplayMode::Page) {
    addPageLine(game, textLine(game, text, box.size, box.colour, box.style));
    return;
  }
  auto& surfaces = game.surfaces;
  graphics::SurfaceId surface;
  int available;
  if (target == model::Surface::Tel && mode == model::DisplayMode::Canvas) {
    surface = graphics::SurfaceId::TelMod3;
    available = telMod3(game).width() - screen.textX;
  } else if (target == model::Surface::Tel && mode == model::DisplayMode::Strip) {
    surface = graphics::SurfaceId::Tela;
    available = surfaces.BufTela.width();
  } else if (target == model::Surface::Fnc) {
    surface = graphics::SurfaceId::TelCmd;
    available = surfaces.BufFunc.width();
  } else if (target == model::Surface::Pan) {
    surface = graphics::SurfaceId::Imp;
    available = surfaces.Imp.width();
  } else {
    return;  // "tel" in mode "0" shows no picture
  }
  box.width = available - box.x;
  drawTextBox(game, box, surface);
}

}  // namespace

void display(model::Game& game, Statement& s) {
  if (isPictureName(s.arg(1)))
    displayPicture(game, s);
  else
    displayText(game, s);
}

}  // namespace view
