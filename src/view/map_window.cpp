// Drawing the map window.
#include "view/map_window.h"

#include <QPainter>

#include "graphics/surfaces.h"
#include "model/argument_words.h"
#include "model/game.h"

namespace view {
namespace {

struct Target {
  QImage* surface = nullptr;
  graphics::Canvas* canvas = nullptr;
  model::PointerSurface hotSpots = model::PointerSurface::Tela;  // the group its hot spot goes into
};

Target targetNamed(model::Game& game, const std::string& name) {
  auto& surfaces = game.surfaces;
  const auto surface = model::readArgument<'t'>(name);
  if (!surface) return {};
  switch (*surface) {
    case model::Surface::Tel: return {&surfaces.BufTela, &surfaces.canvas.BufTela, model::PointerSurface::Tela};
    case model::Surface::Fnc: return {&surfaces.BufFunc, &surfaces.canvas.BufFunc, model::PointerSurface::TelCmd};
    case model::Surface::Pan: return {&surfaces.Imp, &surfaces.canvas.Imp, model::PointerSurface::Imp};
  }
  return {};
}

}  // namespace

bool drawMapWindow(model::Game& game) {
  const auto& map = game.map;
  const Target target = targetNamed(game, map.windowTarget);
  if (!target.surface) return false;
  QImage& surface = *target.surface;
  const int x = graphics::clampCoordinate(map.windowX), y = graphics::clampCoordinate(map.windowY);
  const int width = graphics::clampCoordinate(map.windowWidth), height = graphics::clampCoordinate(map.windowHeight);
  // The window is clickable as a link is: "picFmap" opens and closes the map
  // page from the function panel and the skin, and runs a script of that name
  // from the picture panel.
  model::HotSpot spot;
  spot.x = x, spot.y = y, spot.width = width, spot.height = height;
  spot.action = model::MapSwitch{};
  spot.cursorCode = 1;
  game.hotSpots.add(target.hotSpots, std::move(spot));
  if (width <= 0 || height <= 0 || surface.isNull()) return true;
  // A rectangle one pixel larger on every side, outlined in black and filled
  // with the canvas brush; the map piece then covers all but the frame.
  const QRect frame(x - 1, y - 1, width + 2, height + 2);
  graphics::fillSurface(surface, frame, 0x000000);
  graphics::fillSurface(surface, QRect(x, y, width, height), target.canvas->brush);
  const QRect region = QRect(map.originX, map.originY, width, height).intersected(map.MapJog.rect());
  if (!region.isEmpty()) {
    QPainter painter(&surface);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(x + region.x() - map.originX, y + region.y() - map.originY), map.MapJog, region);
  }
  game.host.repaint();
  return true;
}

}  // namespace view
