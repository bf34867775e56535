// Two shortcuts of picture loading keep the result exact: a picture drawn over a
// whole surface of its size is shared only when no pixel of it is magenta or
// clear, wherever in a row that pixel is; and a JPEG decoded into memory another
// picture shares never changes that picture.
#include <gtest/gtest.h>

#include "graphics/picture_decoders.h"
#include "graphics/surfaces.h"
#include "support/picture_files.h"
#include "support/test_game.h"

using namespace testing_support;

TEST(PlainPicture, AMagentaOrClearPixelAnywhereInARowIsDrawnAsTheKeyColour) {
  // 11 pixels a row: whole groups of four and a rest, a pixel in each place.
  for (int at = 0; at < 11; ++at)
    for (QRgb odd : {graphics::kMagenta, qRgba(10, 20, 30, 0)}) {
      QImage picture(11, 3, QImage::Format_RGB32);
      picture.fill(qRgb(1, 2, 3));
      reinterpret_cast<QRgb*>(picture.scanLine(1))[at] = odd;  // as a decoder writes it, alpha and all
      QImage surface = graphics::makeSurface(11, 3, 0x404040);
      graphics::drawTransparent(surface, picture, 0, 0);
      const bool magenta = odd == graphics::kMagenta;
      EXPECT_EQ(surface.pixel(at, 1), magenta ? qRgb(0x40, 0x40, 0x40) : qRgb(10, 20, 30)) << at;
      EXPECT_EQ(surface.pixel((at + 1) % 11, 1), qRgb(1, 2, 3)) << at;
      EXPECT_NE(surface.constBits(), picture.constBits()) << at;  // drawn, not shared
    }
  QImage plain(11, 3, QImage::Format_RGB32);
  plain.fill(qRgb(1, 2, 3));
  QImage surface = graphics::makeSurface(11, 3, 0x404040);
  graphics::drawTransparent(surface, plain, 0, 0);
  EXPECT_EQ(surface.constBits(), plain.constBits());  // a plain picture is shared
}

TEST(PlainPicture, AJpegDecodedIntoSharedMemoryLeavesTheOtherPictureAsItWas) {
  TempFolder folder;
  writeJpeg(folder.path() / "foto.jpg", testPattern(40, 30));
  const auto fresh = graphics::decodeJpeg(folder.path() / "foto.jpg");
  ASSERT_TRUE(fresh);
  QImage other(40, 30, QImage::Format_RGB32);
  other.fill(qRgb(9, 9, 9));
  const QImage before = other.copy();
  QImage storage = other;  // shared
  const auto decoded = graphics::decodeJpeg(folder.path() / "foto.jpg", std::move(storage));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(other, before);
  EXPECT_EQ(*decoded, *fresh);
}
