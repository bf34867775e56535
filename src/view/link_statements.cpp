// Link statements and object icons. A link draws its picture or text on its
// surface and registers a hot spot over it; in mode "2" it is a page line.
#include "view/link_statements.h"

#include <algorithm>

#include "base/content_range.h"
#include "base/number.h"
#include "model/dispatch.h"
#include "model/statement.h"
#include "model/argument_words.h"
#include "model/game.h"
#include "graphics/canvas_text.h"
#include "model/object_table.h"
#include "view/canvas_style.h"
#include "view/colour.h"
#include "view/control_arguments.h"
#include "script/markers.h"
#include "view/page.h"
#include "view/pictures.h"
#include "script/placeholders.h"

namespace view {
namespace {

using model::Statement;

// The slot a link statement fills, before its picture or text gives it a size.
model::HotSpot slotOf(const model::Game& game, const Statement& s, int x, int y, int w, int h) {
  model::HotSpot spot;
  spot.picture = s.arg(1);
  spot.action = model::parseHotSpotAction(script::resolvePlaceholder(game, s.arg(2)));
  // Kept where pixel arithmetic cannot overflow.
  spot.x = graphics::clampCoordinate(x), spot.y = graphics::clampCoordinate(y);
  spot.width = graphics::clampCoordinate(w), spot.height = graphics::clampCoordinate(h);
  const int byScript = std::holds_alternative<model::NoAction>(spot.action) ? 0 : 1;
  spot.cursorCode = s.arg(7).empty() ? byScript : base::readNumberOr(s.arg(7), byScript);
  spot.pressedPicture = s.arg(8);
  spot.clickSound = s.arg(9);
  return spot;
}

// A position or size of lnktel= (mode "1"), lnkfnc= and lnkpan=: empty is 0, a
// text that is not a number aborts the run.
int strictNumber(const Statement& s, int k) { return s.arg(k).empty() ? 0 : numberArgument(s, k); }

// Draws the link's picture or text over the surface and registers its slot.
// The text of a text link is drawn with the canvas given.
void drawLink(model::Game& game, const Statement& s, model::PointerSurface group, QImage& onto, graphics::Canvas canvas) {
  model::HotSpot spot = slotOf(game, s, strictNumber(s, 3), strictNumber(s, 4), strictNumber(s, 5), strictNumber(s, 6));
  const std::string& shown = s.arg(1);
  if (isPictureName(shown)) {
    loadPicture(game, shown, graphics::SurfaceId::BufShp);
    const QImage& picture = game.surfaces.BufShp;
    if (spot.width == 0) spot.width = picture.width();
    if (spot.height == 0) spot.height = picture.height();
    if (spot.width == picture.width() && spot.height == picture.height())
      graphics::drawTransparent(onto, picture, spot.x, spot.y);
    else
      graphics::drawTransparentStretched(onto, picture, QRect(spot.x, spot.y, spot.width, spot.height));
  } else if (!shown.empty()) {
    const std::string text = script::convertAllMarkers(game.screen.Modelo, shown);
    const QSize size = graphics::canvasTextSize(canvas, text);
    spot.width = size.width();
    spot.height = size.height();
    graphics::drawCanvasText(onto, canvas, spot.x, spot.y, text, false);
  }
  game.hotSpots.add(group, std::move(spot));
  game.host.repaint();
}

// Text links on the main picture and the panel take the text style.
graphics::Canvas styleCanvas(const model::Game& game) {
  graphics::Canvas canvas;
  setCanvasFont(canvas, game.screen.style);
  return canvas;
}

// lnktel= in mode "3": numbers that are not numbers give 0; the picture is
// placed on the page, a text is drawn in the link colours and underlined.
void linkOnPage3(model::Game& game, const Statement& s) {
  auto number = [&](int k) { return base::coordinateOr(s.arg(k), 0); };
  model::HotSpot spot = slotOf(game, s, number(3), number(4), number(5), number(6));
  const std::string& shown = s.arg(1);
  const model::TextStyle& style = game.screen.style;
  if (isPictureName(shown)) {
    placePicture(game, shown, spot.x, spot.y, spot.width, spot.height, graphics::SurfaceId::TelMod3);
    if (spot.width == 0) spot.width = game.surfaces.BufShp.width();
    if (spot.height == 0) spot.height = game.surfaces.BufShp.height();
  } else if (!shown.empty()) {
    const std::string text = script::convertAllMarkers(game.screen.Modelo, shown);
    graphics::Canvas canvas = canvasFromStyle(style);
    canvas.fontColour = colourFromHex(style.linkColour);
    QImage& page = telMod3(game);
    const QSize size = graphics::canvasTextSize(canvas, text);
    spot.width = size.width();
    spot.height = size.height();
    graphics::drawCanvasText(page, canvas, spot.x, spot.y, text, true);
    const int underline = spot.y + style.textFontSize + style.textFontSize / 2 - 1;
    graphics::fillSurface(page, QRect(spot.x, underline, spot.width, 1), colourFromHex(style.visitedLinkColour));
  }
  game.hotSpots.add(model::PointerSurface::Tela3, std::move(spot));
  game.host.repaint();
}

// lnktel= in mode "2": a picture or a text line of the page, linked when there is a script.
void linkOnWebPage(model::Game& game, const Statement& s) {
  const std::string& shown = s.arg(1);
  const std::string script = script::resolvePlaceholder(game, s.arg(2));
  const std::string open = script.empty() ? "" : "<a href=Scp=" + script + ">";
  const std::string close = script.empty() ? "" : "</a>";
  std::string line;
  if (isPictureName(shown)) {
    loadPicture(game, shown, graphics::SurfaceId::BufShp);
    const QImage& picture = game.surfaces.BufShp;
    std::string width = " width=" + (s.arg(3).empty() ? std::to_string(picture.width()) : s.arg(3));
    std::string height = " height=" + (s.arg(4).empty() ? std::to_string(picture.height()) : s.arg(4));
    if (game.screen.Abok1.width < picture.width()) {
      width = " width=" + std::to_string(game.screen.Abok1.width);
      height.clear();
    }
    const std::string& align = s.arg(5);
    std::string tag = open + "<img src=" + game.folders.exeFolderUrl + shown + width + height + " border=0 ";
    if (align == "left" || align == "right") tag += "align=" + align;
    if (align == "center") tag = "<div align=center>" + tag + "></div";
    line = tag + ">" + close;
  } else {
    const model::TextStyle& style = game.screen.style;
    std::string on, off;
    if (style.textBold) on += "<b>";
    if (style.textItalic) on += "<em>";
    if (style.textUnderline) on += "<u>", off += "</u>";
    if (style.textItalic) off += "</em>";
    if (style.textBold) off += "</b>";
    line = "<font face=" + style.textFontName + " color=#" + style.textForeColour + " style=\"Font-Size:" +
           std::to_string(style.textFontSize) + "\">" + on + open + script::convertAllMarkers(model::DisplayMode::Page, shown) + off + "</font>" +
           close;
  }
  addPageLine(game, line);
}

void linkOnMainPicture(model::Game& game, Statement& s) {
  switch (game.screen.Modelo.mode()) {
    case model::DisplayMode::Strip: drawLink(game, s, model::PointerSurface::Tela, game.surfaces.BufTela, styleCanvas(game)); break;
    case model::DisplayMode::Page: linkOnWebPage(game, s); break;
    case model::DisplayMode::Canvas: linkOnPage3(game, s); break;
    case model::DisplayMode::Typewriter:
    case model::DisplayMode::Other: break;
  }
}

void linkOnFunctionPanel(model::Game& game, Statement& s) {
  if (!game.screen.Abok2.visible) return;
  drawLink(game, s, model::PointerSurface::TelCmd, game.surfaces.BufFunc, styleCanvas(game));
}

// Text links on the skin take the end button label's font, in bold.
void linkOnSkin(model::Game& game, Statement& s) {
  const model::Control& label = game.screen.lbFim;
  graphics::Canvas canvas;
  canvas.fontName = label.fontName;
  canvas.fontSize = label.fontSize;
  canvas.fontColour = label.fontColour.rgb();
  canvas.bold = true;
  drawLink(game, s, model::PointerSurface::Imp, game.surfaces.Imp, canvas);
}

// dispobj=: the objects lying at a place as a grid of icons, each a hot spot
// that runs the object's name. Positions, size and columns stay for later grids.
void showObjectIcons(model::Game& game, Statement& s) {
  auto& grid = game.hotSpots.iconGrid;
  const std::string place = s.arg(1) == "loc" ? game.world.Posic : s.arg(1);
  const auto target = s.arg(2).empty() ? model::Surface::Fnc : model::argument<'t'>(s, 2);
  auto stored = [&](int k, int& value, int fallback) {
    if (!s.arg(k).empty()) value = base::coordinateOr(s.arg(k), fallback);
  };
  if (grid.width < 0) grid.width = game.surfaces.BufFunc.width();
  if (grid.height < 0) grid.height = game.surfaces.BufFunc.height();
  stored(3, grid.x, 0);
  stored(4, grid.y, 0);
  stored(5, grid.width, game.surfaces.BufFunc.width());
  stored(6, grid.height, game.surfaces.BufFunc.height());
  stored(7, grid.columns, 5);
  for (int* number : {&grid.x, &grid.y, &grid.width, &grid.height}) *number = graphics::clampCoordinate(*number);
  const int columns = std::max(1, grid.columns);
  const int icon = std::max(0, grid.width) / columns;
  const model::DisplayMode mode = game.screen.Modelo;

  if (!target) return;
  model::PointerSurface group = model::PointerSurface::TelCmd;
  QImage* onto = nullptr;
  switch (*target) {
    case model::Surface::Tel: group = model::PointerSurface::Tela, onto = &game.surfaces.BufTela; break;
    case model::Surface::Fnc: group = model::PointerSurface::TelCmd, onto = &game.surfaces.BufFunc; break;
    case model::Surface::Pan: group = model::PointerSurface::Imp, onto = &game.surfaces.Imp; break;
  }
  if (target == model::Surface::Tel && mode == model::DisplayMode::Typewriter) return;
  const bool page = target == model::Surface::Tel && mode == model::DisplayMode::Page;
  if (page)
    addPageLine(game, "<div style=\"width:" + std::to_string(grid.width) + "px; height:" + std::to_string(grid.height) +
                    "px; position:absolute; top:" + std::to_string(grid.y) + "px; left:" + std::to_string(grid.x) +
                    "px;\">");
  int column = 0, row = 0;
  // The whole records the object keys reach, in table order.
  const model::ObjectTable table(game.world.Objx);
  for (size_t record : table.at(place, std::min(table.wholeRecords(), game.world.Objs.size()))) {
    if (row >= grid.height) break;
    const std::string name = *table.line(record, model::Field::Key);
    const std::string picture = *table.line(record, model::Field::Shp);
    if (page) {
      game.world.ObjtsClk.push_back(name);
      addPageLine(game, "<a href=Scp=" + name + "><img src=" + game.folders.exeFolderUrl + picture + " width=" +
                      std::to_string(icon) + " height=" + std::to_string(icon) + " border=0></a>");
    } else {
      loadPicture(game, picture, graphics::SurfaceId::BufShp);
      const QRect square(grid.x + column, grid.y + row, icon, icon);
      graphics::drawTransparentStretched(*onto, game.surfaces.BufShp, square);
      model::HotSpot spot;
      spot.action = model::parseHotSpotAction(name);
      spot.x = square.x(), spot.y = square.y(), spot.width = icon, spot.height = icon;
      spot.cursorCode = 1;
      game.hotSpots.add(group, std::move(spot));
    }
    column += icon;
    if (column >= icon * columns) {
      column = 0;
      row += icon;
      if (page) addPageLine(game, "<br>");
    }
  }
  if (page) addPageLine(game, "</div>");
  game.host.repaint();
}

// linksoff=: the hot spots of one group off ("tel", "fnc", "pan", "md3"), or
// without a group those of the two panels; the skin and mode "3" keep theirs.
// Any other word switches nothing off.
void switchLinksOff(model::Game& game, Statement& s) {
  if (s.arg(1).empty())
    game.hotSpots.switchOff({0, 39});
  else if (auto group = model::argument<'g'>(s, 1))
    game.hotSpots.switchOff(model::slotGroup(*group));
  game.host.repaint();
}

}  // namespace

void registerLinkStatements(model::Dispatch& dispatch) {
  static const model::StatementRow rows[] = {
      {"dispobj=", {"displayobjetos="}, showObjectIcons, {{"xtjjjjj", 1}},
       "`place, target, x, y, width, height, columns`."},
      {"linktel=", {"lnktel="}, linkOnMainPicture, {{"Psiixxjpw", 1}},
       "`picture or text, script, x, y, w, h, cursor, pressed picture, sound`."},
      {"linkfunc=", {"lnkfnc="}, linkOnFunctionPanel, {{"Psiiiijpw", 1}},
       "`picture or text, script, x, y, w, h, cursor, pressed picture, sound`. A link on the function panel."},
      {"linkpainel=", {"lnkpan="}, linkOnSkin, {{"Psiiiijpw", 1}},
       "The same, on the window's skin picture (text in the end button's font)."},
      {"linksoff=", {}, switchLinksOff, {{"g", 0}},
       "`group`. Switches off the hot spots of a group: `tel`, `fnc`, `pan` or `md3`; empty switches off `tel` and `fnc`."},
  };
  dispatch.add(rows);
}

}  // namespace view
