// Cutting out the key colour.
#include "ui/key_colour.h"

#include <algorithm>

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
  auto isKey = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < width && y < height && (source.pixel(x, y) | 0xFF000000) == kKeyColour;
  };
  for (int y = 0; y < height; ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    QRgb* out = reinterpret_cast<QRgb*>(shown.scanLine(y));
    for (int x = 0; x < width; ++x) {
      if ((in[x] | 0xFF000000) == kKeyColour) {
        out[x] = 0;
        continue;
      }
      if (magentaShare(in[x]) <= kEdgeShare) continue;
      bool besideKey = false;
      for (int dy = -1; dy <= 1 && !besideKey; ++dy)
        for (int dx = -1; dx <= 1 && !besideKey; ++dx) besideKey = isKey(x + dx, y + dy);
      if (besideKey) out[x] = 0;
    }
  }
  return shown;
}

}  // namespace ui
