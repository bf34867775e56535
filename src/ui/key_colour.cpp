// Cutting out the key colour.
#include "ui/key_colour.h"

#include <algorithm>
#include <vector>

namespace ui {
namespace {

// How much of magenta a colour holds: red and blue high, green low.
int magentaShare(QRgb colour) { return std::min(qRed(colour), qBlue(colour)) - qGreen(colour); }

// An edge pixel that is more magenta than this was blended with the key colour.
constexpr int kEdgeShare = 40;

}  // namespace

QImage withoutKeyColour(const QImage& picture) {
  if (picture.isNull()) return picture;
  const QImage source = picture.convertToFormat(QImage::Format_RGB32);
  QImage shown = source.convertToFormat(QImage::Format_ARGB32);
  const int width = source.width(), height = source.height();
  // From every key pixel the cut spreads through the touching pixels that are
  // still mostly magenta: a soft edge fades into the key colour over a pixel or two.
  std::vector<QPoint> cut;
  for (int y = 0; y < height; ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    QRgb* out = reinterpret_cast<QRgb*>(shown.scanLine(y));
    for (int x = 0; x < width; ++x)
      if ((in[x] | 0xFF000000) == kKeyColour) {
        out[x] = 0;
        cut.emplace_back(x, y);
      }
  }
  while (!cut.empty()) {
    const QPoint at = cut.back();
    cut.pop_back();
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) {
        const int x = at.x() + dx, y = at.y() + dy;
        if (x < 0 || y < 0 || x >= width || y >= height) continue;
        QRgb& pixel = reinterpret_cast<QRgb*>(shown.scanLine(y))[x];
        if (pixel == 0 || magentaShare(source.pixel(x, y)) <= kEdgeShare) continue;
        pixel = 0;
        cut.emplace_back(x, y);
      }
  }
  return shown;
}

}  // namespace ui
