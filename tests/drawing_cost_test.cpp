// Drawing that spares work gives the same pixels: a picture covering a whole
// surface is shared with it only when it has no transparent pixel, and a
// key-colour drawing that changes nothing leaves a shared surface uncopied and
// says it changed nothing.
#include <gtest/gtest.h>

#include "graphics/bitmap_file.h"
#include "graphics/surfaces.h"

namespace {

QImage picture(int width, int height, QRgb colour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

}  // namespace

TEST(DrawingCostTest, AWholeOpaquePictureIsSharedAndOneWithMagentaIsDrawnOver) {
  QImage surface = graphics::makeSurface(8, 6, 0x112233);
  const QImage opaque = picture(8, 6, 0xFF445566);
  graphics::drawTransparent(surface, opaque, 0, 0);
  EXPECT_EQ(surface, opaque);
  EXPECT_EQ(surface.constBits(), opaque.constBits());  // shared, not copied

  // One magenta pixel keeps the surface's pixel there: drawn, not shared.
  QImage keyed = picture(8, 6, 0xFF778899);
  keyed.setPixel(3, 2, graphics::kMagenta);
  graphics::drawTransparent(surface, keyed, 0, 0);
  EXPECT_NE(surface.constBits(), keyed.constBits());
  EXPECT_EQ(surface.pixel(3, 2), 0xFF445566u);
  EXPECT_EQ(surface.pixel(0, 0), 0xFF778899u);
  // The opaque picture itself was never changed by what was drawn over it.
  EXPECT_EQ(opaque.pixel(0, 0), 0xFF445566u);

  // Elsewhere than the corner, or of another size, the picture is drawn.
  QImage other = graphics::makeSurface(8, 6, 0x000000);
  graphics::drawTransparent(other, picture(4, 4, 0xFFABCDEF), 2, 1);
  EXPECT_EQ(other.pixel(2, 1), 0xFFABCDEFu);
  EXPECT_EQ(other.pixel(1, 1), 0xFF000000u);
}

TEST(DrawingCostTest, AKeyColourDrawingTellsWhetherItChangedAPixel) {
  QImage map = graphics::makeSurface(10, 10, 0x000000);
  QImage piece = picture(4, 4, 0xFF00FF00);
  piece.setPixel(0, 3, 0xFF0000FF);  // the key colour of the piece
  EXPECT_TRUE(graphics::drawWithKeyColour(map, piece, 2, 2, 0x0000FF));
  EXPECT_EQ(map.pixel(2, 5), 0xFF000000u);  // the key pixel left the map as it was
  EXPECT_EQ(map.pixel(3, 5), 0xFF00FF00u);

  // Drawn again it changes nothing: the map shared with a snapshot is not copied.
  const QImage snapshot = map;
  EXPECT_FALSE(graphics::drawWithKeyColour(map, piece, 2, 2, 0x0000FF));
  EXPECT_EQ(map.constBits(), snapshot.constBits());
  // A change in the last row only is found.
  piece.setPixel(3, 3, 0xFFFFFFFF);
  EXPECT_TRUE(graphics::drawWithKeyColour(map, piece, 2, 2, 0x0000FF));
  EXPECT_EQ(map.pixel(5, 5), 0xFFFFFFFFu);
  EXPECT_EQ(snapshot.pixel(5, 5), 0xFF00FF00u);
  // Entirely outside the map: nothing drawn.
  EXPECT_FALSE(graphics::drawWithKeyColour(map, piece, 40, 40, 0x0000FF));
}
