// The window region from the skin picture.
#include "view/window_shape.h"

#include "model/game.h"

namespace view {

void shapeWindow(model::Game& game) {
  auto& screen = game.screen;
  const QImage skin = graphics::toSurfaceFormat(game.surfaces.Imp);
  std::vector<QRect> shape;
  for (int y = 0; y < skin.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(skin.constScanLine(y));
    int x = 0;
    while (x < skin.width()) {
      const bool cut = (row[x] & 0xFFFFFF) == (graphics::kMagenta & 0xFFFFFF);
      int end = x;
      while (end < skin.width() && (((row[end] & 0xFFFFFF) == (graphics::kMagenta & 0xFFFFFF)) == cut)) ++end;
      if (!cut) shape.emplace_back(x, y, end - x, 1);
      x = end;
    }
  }
  screen.windowShaped = !shape.empty();
  screen.windowShape = std::move(shape);
  game.host.repaint();
}

}  // namespace view
