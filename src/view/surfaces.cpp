// Surface creation.
#include "view/surfaces.h"

namespace view {

QImage makeSurface(int width, int height, unsigned colour) {
  QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
  image.fill(QColor::fromRgb(colour));
  return image;
}

}  // namespace view
