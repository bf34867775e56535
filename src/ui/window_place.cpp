// Placing the window on a visible screen.
#include "ui/window_place.h"

#include <algorithm>

namespace ui {

QPoint placeOnScreens(QPoint wanted, QSize size, const QList<QRect>& screens) {
  if (screens.isEmpty()) return wanted;
  const QRect window(wanted, size);
  QRect chosen = screens.first();
  qint64 mostOverlap = 0;
  for (const QRect& screen : screens) {
    const QRect common = screen.intersected(window);
    const qint64 overlap = qint64(common.width()) * common.height();
    if (overlap > mostOverlap) {
      mostOverlap = overlap;
      chosen = screen;
    }
  }
  // Right and bottom edges first, so that a window too large for the screen
  // still has its top-left corner (and the skin's grip) on it.
  int x = std::min(wanted.x(), chosen.x() + chosen.width() - size.width());
  int y = std::min(wanted.y(), chosen.y() + chosen.height() - size.height());
  return QPoint(std::max(x, chosen.x()), std::max(y, chosen.y()));
}

}  // namespace ui
