// Object titles, descriptions and pictures on screen.
#include "view/object_display.h"

#include <optional>

#include "base/content_range.h"
#include "base/number.h"
#include "graphics/canvas_text.h"
#include "model/argument_words.h"
#include "model/object_table.h"
#include "script/markers.h"
#include "model/statement.h"
#include "model/game.h"
#include "view/colour.h"
#include "view/page.h"
#include "view/pictures.h"
#include "view/text_sink.h"

namespace view {
namespace {

using model::Statement;

using model::Field;
using model::ObjectPart;

// A number argument, or the fallback when it is empty or not a number.
int numberOr(const Statement& s, int k, int fallback) {
  return base::coordinateInRange(base::readNumberOr(s.arg(k), fallback));
}

// The title drawn on BufTela clipped to its rectangle, in a size and colour of its own.
void drawTitleOnPicture(model::Game& game, const Statement& s, const std::string& title) {
  auto& surfaces = game.surfaces;
  const model::TextStyle& style = game.screen.style;
  const int x = numberOr(s, 4, 0), y = numberOr(s, 5, 0);
  const int w = numberOr(s, 6, surfaces.BufTela.width()), h = numberOr(s, 7, surfaces.BufTela.height());
  graphics::Canvas& canvas = surfaces.canvas.BufTela;
  canvas.fontSize = style.textFontSize + numberOr(s, 8, 0);
  canvas.fontColour = colourFromHex(s.arg(9).empty() ? style.textForeColour : s.arg(9));
  graphics::drawCanvasText(surfaces.BufTela, canvas, x, y, title, true,
                 QRect(graphics::clampCoordinate(x), graphics::clampCoordinate(y), graphics::clampCoordinate(w), graphics::clampCoordinate(h)));
  canvas.fontSize = style.textFontSize;
  canvas.fontColour = colourFromHex(style.textForeColour);
}

void showInStrip(model::Game& game, const Statement& s, std::optional<ObjectPart> part, const std::string& text,
                 const std::string& picture) {
  auto& surfaces = game.surfaces;
  const std::string& target = s.arg(3);
  if (part == ObjectPart::Tit) {
    if (target == "msg") addStripLine(game, text);
    if (target == "tel") drawTitleOnPicture(game, s, text);
    if (target == "fnc")
      graphics::drawCanvasText(surfaces.BufFunc, surfaces.canvas.BufFunc, numberOr(s, 4, 0), numberOr(s, 5, 0), text, true);
  } else if (part == ObjectPart::Dsc) {
    addStripLine(game, text);
  } else if (part == ObjectPart::Shp) {
    const auto surface = model::readArgument<'t'>(target);
    QImage* onto = surface == model::Surface::Tel   ? &surfaces.BufTela
                   : surface == model::Surface::Fnc ? &surfaces.BufFunc
                   : surface == model::Surface::Pan ? &surfaces.Imp
                                                    : nullptr;
    if (!onto) return;
    loadPicture(game, picture, graphics::SurfaceId::BufShp);
    const QRect into(graphics::clampCoordinate(numberOr(s, 4, 0)), graphics::clampCoordinate(numberOr(s, 5, 0)),
                     graphics::clampCoordinate(numberOr(s, 6, 180)), graphics::clampCoordinate(numberOr(s, 7, 180)));
    graphics::drawTransparentStretched(*onto, surfaces.BufShp, into);
  }
  game.host.repaint();
}

void showInPage(model::Game& game, const Statement& s, std::optional<ObjectPart> part, const std::string& text,
                const std::string& picture) {
  std::string line;
  if (part == ObjectPart::Tit) {
    line = "<font color=#" + s.arg(5) + " style=\"font-size:1.3em; \">" + text + "</font>";
  } else if (part == ObjectPart::Dsc) {
    line = text + "<br>";
  } else if (part == ObjectPart::Shp) {
    line = "<img src=" + game.folders.exeFolderUrl + picture + " width=" + std::to_string(numberOr(s, 6, 180)) +
           " height=" + std::to_string(numberOr(s, 7, 180)) + " border=0 " +
           (s.arg(4).empty() ? "" : "align=" + s.arg(4)) + ">";
  } else {
    return;
  }
  addPageLine(game, line);
}

}  // namespace

void showObject(model::Game& game, Statement& s) {
  // Any whole record of the table, whatever the keys say.
  const model::ObjectTable table(game.world.Objx);
  const auto record = table.find(s.arg(1), table.wholeRecords());
  if (!record) {
    s.trace += "<---Este objeto n\xE3o existe!";
    return;
  }
  const model::DisplayMode mode = game.screen.Modelo;
  const auto part = model::argument<'z'>(s, 2);
  const bool words = part == ObjectPart::Tit || part == ObjectPart::Dsc;
  const Field shown = part == ObjectPart::Tit ? Field::Nom : part == ObjectPart::Dsc ? Field::Dsc : Field::Shp;
  std::string text = *table.line(*record, shown);
  if (words) text = script::convertAllMarkers(mode, text);
  const std::string& picture = *table.line(*record, Field::Shp);
  if (mode == model::DisplayMode::Typewriter) {
    if (words) typeOut(game, text + "\r\n");
  } else if (mode == model::DisplayMode::Strip) {
    showInStrip(game, s, part, text, picture);
  } else if (mode == model::DisplayMode::Page) {
    showInPage(game, s, part, text, picture);
  }
}

}  // namespace view
