// The BMP reader, pixel for pixel: the files are written byte by byte here, in
// every layout Windows programs write, and the expected picture is computed
// from what was written.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "graphics/picture_decoders.h"
#include "graphics/surfaces.h"
#include "support/test_game.h"

namespace {

void put(std::string& bytes, uint32_t value, int count) {
  for (int i = 0; i < count; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// What a test file holds; bmpBytes writes the headers, the palette and the pixels as given.
struct BmpFile {
  int headerBytes = 40;  // 12 (OS/2 1.x), 16 to 64 (OS/2 2.x), 40, 52, 56, 108, 124
  int width = 0, height = 0;
  bool topDown = false;
  int bits = 24;
  uint32_t compression = 0;
  std::vector<uint32_t> masks;  // written after a 40-byte header, inside a longer one
  std::vector<QRgb> palette;
  uint32_t coloursUsed = 0;
  std::string pixels;  // rows as stored (padded), or run-length codes
};

std::string bmpBytes(const BmpFile& f) {
  std::string info;
  const bool os2Old = f.headerBytes == 12;
  put(info, static_cast<uint32_t>(f.headerBytes), 4);
  if (os2Old) {
    put(info, static_cast<uint32_t>(f.width), 2);
    put(info, static_cast<uint32_t>(f.height), 2);
    put(info, 1, 2);
    put(info, static_cast<uint32_t>(f.bits), 2);
  } else {
    put(info, static_cast<uint32_t>(f.width), 4);
    put(info, static_cast<uint32_t>(f.topDown ? -f.height : f.height), 4);
    put(info, 1, 2);
    put(info, static_cast<uint32_t>(f.bits), 2);
    put(info, f.compression, 4);
    put(info, static_cast<uint32_t>(f.pixels.size()), 4);
    put(info, 2835, 4);
    put(info, 2835, 4);
    put(info, f.coloursUsed, 4);
    put(info, 0, 4);
    if (f.headerBytes >= 52)
      for (uint32_t mask : f.masks) put(info, mask, 4);
    info.resize(static_cast<size_t>(f.headerBytes), '\0');
    if (f.headerBytes == 40)
      for (uint32_t mask : f.masks) put(info, mask, 4);
  }
  for (QRgb colour : f.palette) {
    put(info, static_cast<uint32_t>(qBlue(colour)), 1);
    put(info, static_cast<uint32_t>(qGreen(colour)), 1);
    put(info, static_cast<uint32_t>(qRed(colour)), 1);
    if (!os2Old) put(info, 0, 1);
  }
  std::string bytes = "BM";
  put(bytes, static_cast<uint32_t>(14 + info.size() + f.pixels.size()), 4);
  put(bytes, 0, 4);
  put(bytes, static_cast<uint32_t>(14 + info.size()), 4);
  return bytes + info + f.pixels;
}

QImage decoded(const BmpFile& file) {
  auto picture = graphics::decodeBmpBytes(bmpBytes(file));
  return picture ? *picture : QImage();
}

int rowBytes(int width, int bits) { return (width * bits + 31) / 32 * 4; }

// The rows of a palette picture with index(x, y), packed as the file stores them (bottom row first).
std::string packedIndices(int width, int height, int bits, int (*index)(int, int)) {
  std::string pixels;
  for (int fileRow = 0; fileRow < height; ++fileRow) {
    std::string row(static_cast<size_t>(rowBytes(width, bits)), '\0');
    const int y = height - 1 - fileRow;
    for (int x = 0; x < width; ++x) {
      const int bit = x * bits;
      row[static_cast<size_t>(bit / 8)] |= static_cast<char>(index(x, y) << (8 - bits - bit % 8));
    }
    pixels += row;
  }
  return pixels;
}

// Rows of direct-colour pixels of `bytesPerPixel` bytes each, value(x, y).
std::string packedPixels(int width, int height, int bytesPerPixel, bool topDown, uint32_t (*value)(int, int)) {
  std::string pixels;
  for (int fileRow = 0; fileRow < height; ++fileRow) {
    std::string row;
    const int y = topDown ? fileRow : height - 1 - fileRow;
    for (int x = 0; x < width; ++x) put(row, value(x, y), bytesPerPixel);
    row.resize(static_cast<size_t>(rowBytes(width, bytesPerPixel * 8)), '\0');
    pixels += row;
  }
  return pixels;
}

std::vector<QRgb> distinctPalette(int entries) {
  std::vector<QRgb> palette;
  for (int i = 0; i < entries; ++i) palette.push_back(qRgb(0x12 + i, (i * 37) & 0xFF, 0xFF - i));
  return palette;
}

// The scaling every channel of a direct-colour pixel gets: the largest value the mask holds is 255.
int scaled(uint32_t pixel, uint32_t mask) {
  if (!mask) return 0;
  int shift = 0;
  while (!((mask >> shift) & 1)) ++shift;
  return static_cast<int>(uint64_t((pixel & mask) >> shift) * 255 / (mask >> shift));
}

#define EXPECT_PIXEL(picture, x, y, colour) \
  EXPECT_EQ((picture).pixel((x), (y)) & 0xFFFFFF, (colour) & 0xFFFFFF) << "at (" << (x) << ", " << (y) << ")"

TEST(BmpReader, PalettePicturesOfOneFourAndEightBitsInBothRowOrders) {
  for (int bits : {1, 2, 4, 8}) {
    for (bool topDown : {false, true}) {
      BmpFile file;
      file.width = 13;  // rows that need padding in every depth
      file.height = 5;
      file.bits = bits;
      file.topDown = topDown;
      file.palette = distinctPalette(1 << bits);
      static int entries;
      entries = 1 << bits;
      auto index = [](int x, int y) { return (x * 3 + y * 5) % entries; };
      file.pixels = packedIndices(file.width, file.height, bits, index);
      if (topDown) {  // the same rows, top first
        std::string flipped;
        const size_t row = static_cast<size_t>(rowBytes(file.width, bits));
        for (int r = file.height - 1; r >= 0; --r) flipped += file.pixels.substr(static_cast<size_t>(r) * row, row);
        file.pixels = flipped;
      }
      const QImage picture = decoded(file);
      ASSERT_EQ(picture.size(), QSize(13, 5)) << bits << " bits";
      for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 13; ++x) EXPECT_PIXEL(picture, x, y, file.palette[static_cast<size_t>(index(x, y))]);
    }
  }
}

TEST(BmpReader, TwentyFourBitRowsBottomUpAndTopDown) {
  auto colour = [](int x, int y) { return static_cast<uint32_t>(0x010203 * (x + 1) + 0x400000 * y) & 0xFFFFFF; };
  for (bool topDown : {false, true}) {
    BmpFile file;
    file.width = 7;
    file.height = 3;
    file.topDown = topDown;
    file.pixels = packedPixels(7, 3, 3, topDown, colour);
    const QImage picture = decoded(file);
    ASSERT_EQ(picture.size(), QSize(7, 3));
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 7; ++x) EXPECT_PIXEL(picture, x, y, colour(x, y));
  }
}

// Run-length codes: a run, a literal run, end of line, a delta that skips
// pixels and rows, and an end of bitmap before the last row.
TEST(BmpReader, RunLengthCodesLeaveSkippedPixelsAtPaletteIndexZero) {
  const std::vector<QRgb> palette = distinctPalette(256);  // index 0 is not black: it must show
  std::vector<std::vector<int>> expected(6, std::vector<int>(8, 0));  // [fileRow][x], index 0 unless written
  BmpFile rle8;
  rle8.width = 8;
  rle8.height = 6;
  rle8.bits = 8;
  rle8.compression = 1;
  rle8.palette = palette;
  rle8.pixels = std::string("\x03\x07", 2)                 // row 0: three of index 7
                + std::string("\x00\x03\x09\x0A\x0B\x00", 6)  // three literal pixels, padded
                + std::string("\x00\x00", 2)                 // end of line: x 6 and 7 skipped
                + std::string("\x02\x05", 2)                 // row 1: two of 5
                + std::string("\x00\x02\x03\x02", 4)         // delta: 3 right, 2 up: row 3, x 5
                + std::string("\x0A\x06", 2)                 // ten of 6, cut at the row's end
                + std::string("\x00\x00", 2)                 // row 4
                + std::string("\x01\x04", 2)                 // one of 4
                + std::string("\x00\x01", 2);                // end of bitmap: row 5 never written
  for (int x = 0; x < 3; ++x) expected[0][static_cast<size_t>(x)] = 7;
  expected[0][3] = 9, expected[0][4] = 10, expected[0][5] = 11;
  expected[1][0] = expected[1][1] = 5;
  expected[3][5] = expected[3][6] = expected[3][7] = 6;
  expected[4][0] = 4;

  BmpFile rle4 = rle8;
  rle4.bits = 4;
  rle4.compression = 2;
  rle4.palette = distinctPalette(16);
  rle4.pixels = std::string("\x03\x7C", 2)              // row 0: 7, 12, 7
                + std::string("\x00\x03\x9A\xB0", 4)   // literal 9, 10, 11 (two bytes: even already)
                + std::string("\x00\x00", 2)           // end of line
                + std::string("\x02\x55", 2)           // row 1: 5, 5
                + std::string("\x00\x02\x03\x02", 4)   // delta to row 3, x 5
                + std::string("\x0A\x66", 2)           // 6 ... cut at the row's end
                + std::string("\x00\x00\x01\x40", 4)   // row 4: one 4
                + std::string("\x00\x01", 2);          // end of bitmap
  std::vector<std::vector<int>> expected4 = expected;
  expected4[0][1] = 12;

  for (const auto& [file, indices] : {std::pair{rle8, expected}, std::pair{rle4, expected4}}) {
    const QImage first = decoded(file), second = decoded(file);
    ASSERT_EQ(first.size(), QSize(8, 6)) << file.bits << " bits";
    EXPECT_EQ(first, second);
    for (int fileRow = 0; fileRow < 6; ++fileRow)
      for (int x = 0; x < 8; ++x)
        EXPECT_PIXEL(first, x, 5 - fileRow,
                     file.palette[static_cast<size_t>(indices[static_cast<size_t>(fileRow)][static_cast<size_t>(x)])]);
  }
}

TEST(BmpReader, RunLengthCodesRunningPastTheEndStayInThePicture) {
  BmpFile file;
  file.width = 4;
  file.height = 2;
  file.bits = 8;
  file.compression = 1;
  file.palette = distinctPalette(256);
  // A delta far below the last row, literal runs longer than the row, and codes cut mid-pair.
  file.pixels = std::string("\xFF\x01\x00\xFF", 4) + std::string(300, '\x02') + std::string("\x00\x02\xFF\xFF\x05", 5);
  const QImage picture = decoded(file);
  ASSERT_EQ(picture.size(), QSize(4, 2));
  for (int x = 0; x < 4; ++x) EXPECT_PIXEL(picture, x, 1, file.palette[1]);
  // The runs after the first start past the row's end and draw nothing; the delta ends the picture.
  for (int x = 0; x < 4; ++x) EXPECT_PIXEL(picture, x, 0, file.palette[0]);
}

TEST(BmpReader, AFileCutShortFillsItsMissingRowsWithZeroBytes) {
  testing_support::TempFolder folder;
  auto index = [](int x, int y) { return (x + y) % 4 + 1; };
  BmpFile palette;
  palette.width = 6;
  palette.height = 4;
  palette.bits = 8;
  palette.palette = distinctPalette(8);
  palette.pixels = packedIndices(6, 4, 8, index);
  auto colour = [](int x, int y) { return static_cast<uint32_t>(0x204060 + x * 0x10 + y * 0x100000); };
  BmpFile direct;
  direct.width = 6;
  direct.height = 4;
  direct.pixels = packedPixels(6, 4, 3, false, colour);
  // Both keep their bottom row and three pixels of the next.
  for (const BmpFile& file : {palette, direct}) {
    std::string bytes = bmpBytes(file);
    const size_t row = static_cast<size_t>(rowBytes(6, file.bits));
    bytes.resize(bytes.size() - file.pixels.size() + row + 3 * static_cast<size_t>(file.bits / 8));
    const auto path = folder.path() / "curta.bmp";
    std::ofstream(path, std::ios::binary) << bytes;
    const auto first = graphics::decodeBmp(path), second = graphics::decodeBmp(path);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(*first, *second);
    const QRgb missing = file.bits == 8 ? file.palette[0] : qRgb(0, 0, 0);
    for (int x = 0; x < 6; ++x) {
      EXPECT_PIXEL(*first, x, 3, file.bits == 8 ? file.palette[static_cast<size_t>(index(x, 3))] : colour(x, 3));
      const bool given = x < 3;
      EXPECT_PIXEL(*first, x, 2,
                   given ? (file.bits == 8 ? file.palette[static_cast<size_t>(index(x, 2))] : colour(x, 2)) : missing);
      EXPECT_PIXEL(*first, x, 1, missing);
      EXPECT_PIXEL(*first, x, 0, missing);
    }
  }
}

TEST(BmpReader, SixteenBitPixelsScaleToTheFullRangeAndMagentaIsKeyed) {
  struct Case {
    uint32_t compression;
    std::vector<uint32_t> masks;
    uint32_t white, magenta, middle;
  };
  const std::vector<Case> cases = {
      {0, {}, 0x7FFF, 0x7C1F, 0x4210},                                        // 5-5-5 without fields
      {3, {0x7C00, 0x03E0, 0x001F}, 0x7FFF, 0x7C1F, 0x4210},                  // 5-5-5 with fields
      {3, {0xF800, 0x07E0, 0x001F}, 0xFFFF, 0xF81F, 0x8410},                  // 5-6-5
  };
  for (const Case& c : cases) {
    for (int header : {40, 56, 108}) {
      BmpFile file;
      file.headerBytes = header;
      file.width = 3;
      file.height = 1;
      file.bits = 16;
      file.compression = c.compression;
      file.masks = c.masks;
      put(file.pixels, c.white, 2);
      put(file.pixels, c.magenta, 2);
      put(file.pixels, c.middle, 2);
      file.pixels.resize(8, '\0');
      const QImage picture = decoded(file);
      ASSERT_EQ(picture.size(), QSize(3, 1));
      EXPECT_PIXEL(picture, 0, 0, qRgb(255, 255, 255));
      EXPECT_PIXEL(picture, 1, 0, graphics::kMagenta);
      const std::vector<uint32_t> masks = c.masks.empty() ? std::vector<uint32_t>{0x7C00, 0x03E0, 0x001F} : c.masks;
      EXPECT_PIXEL(picture, 2, 0, qRgb(scaled(c.middle, masks[0]), scaled(c.middle, masks[1]), scaled(c.middle, masks[2])));
      // Laid over a surface, the magenta pixel leaves it unchanged.
      QImage surface = graphics::makeSurface(3, 1, 0x336699);
      graphics::drawTransparent(surface, picture, 0, 0);
      EXPECT_PIXEL(surface, 0, 0, qRgb(255, 255, 255));
      EXPECT_PIXEL(surface, 1, 0, qRgb(0x33, 0x66, 0x99));
    }
  }
}

TEST(BmpReader, ThirtyTwoBitFieldsOfAnyWidthAndLayout) {
  const std::vector<std::vector<uint32_t>> layouts = {
      {0x00FF0000, 0x0000FF00, 0x000000FF},  // 8-8-8
      {0x000000FF, 0x0000FF00, 0x00FF0000},  // 8-8-8, red in the low byte
      {0x3FF00000, 0x000FFC00, 0x000003FF},  // 10-10-10 (and 2 bits of alpha)
      {0xFFE00000, 0x001FFC00, 0x000003FF},  // 11-11-10
      {0x00000003, 0x0000000C, 0x00000030},  // 2 bits each
      {0xFFFF0000, 0x0000FF00, 0x00000000},  // 16-bit red, no blue
  };
  static uint32_t seed;
  auto value = [](int x, int y) { return (static_cast<uint32_t>(x * 7 + y * 131) * 2654435761u) ^ seed; };
  for (const auto& masks : layouts) {
    for (uint32_t compression : {3u, 6u}) {
      for (int header : {40, 52, 56, 108, 124}) {
        if (compression == 6 && header != 40) continue;  // alpha fields after a 40-byte header only
        seed = masks[0] ^ static_cast<uint32_t>(header);
        BmpFile file;
        file.headerBytes = header;
        file.width = 5;
        file.height = 3;
        file.bits = 32;
        file.compression = compression;
        file.masks = masks;
        if (compression == 6) file.masks.push_back(0);
        file.pixels = packedPixels(5, 3, 4, false, value);
        // Full channels give exactly 255.
        file.pixels.replace(0, 4, std::string(4, '\xFF'));
        const QImage picture = decoded(file);
        ASSERT_EQ(picture.size(), QSize(5, 3)) << header;
        for (int y = 0; y < 3; ++y)
          for (int x = 0; x < 5; ++x) {
            const uint32_t pixel = x == 0 && y == 2 ? 0xFFFFFFFF : value(x, y);
            EXPECT_PIXEL(picture, x, y, qRgb(scaled(pixel, masks[0]), scaled(pixel, masks[1]), scaled(pixel, masks[2])));
          }
        EXPECT_PIXEL(picture, 0, 2, qRgb(masks[0] ? 255 : 0, masks[1] ? 255 : 0, masks[2] ? 255 : 0));
      }
    }
  }
  // Without fields, 32 bits are 8-8-8 and the top byte is ignored, whatever header.
  for (int header : {40, 56, 124}) {
    BmpFile file;
    file.headerBytes = header;
    file.width = 2;
    file.height = 1;
    file.bits = 32;
    file.masks = {0x000000FF, 0, 0};  // written in the longer headers, ignored without fields
    put(file.pixels, 0xAA123456, 4);
    put(file.pixels, 0x00FF00FF, 4);
    const QImage picture = decoded(file);
    ASSERT_EQ(picture.size(), QSize(2, 1));
    EXPECT_PIXEL(picture, 0, 0, 0x123456u);
    EXPECT_PIXEL(picture, 1, 0, graphics::kMagenta);
  }
}

// The headers Windows and OS/2 programs write, OS/2 palettes of three bytes an
// entry, and palettes shorter than the depth allows.
TEST(BmpReader, EveryHeaderGivesTheSamePicture) {
  auto index = [](int x, int y) { return (x + 2 * y) % 5; };
  const std::vector<QRgb> palette = distinctPalette(5);
  for (int header : {12, 16, 40, 52, 56, 64, 108, 124}) {
    for (bool shortPalette : {false, true}) {
      BmpFile file;
      file.headerBytes = header;
      file.width = 9;
      file.height = 4;
      file.bits = 4;
      file.palette = palette;
      if (!shortPalette) file.palette.resize(16, qRgb(1, 2, 3));
      // A short palette is declared by its count where the header has one, and by where the pixels begin.
      if (shortPalette && header >= 40) file.coloursUsed = 5;
      file.pixels = packedIndices(9, 4, 4, index);
      const QImage picture = decoded(file);
      ASSERT_EQ(picture.size(), QSize(9, 4)) << header << (shortPalette ? " short" : "");
      for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 9; ++x) EXPECT_PIXEL(picture, x, y, palette[static_cast<size_t>(index(x, y))]) << header;
    }
  }
}

TEST(BmpReader, LayoutsThePlatformRefusesGiveNoPicture) {
  BmpFile deep;
  deep.width = 2;
  deep.height = 2;
  deep.bits = 64;
  deep.pixels = std::string(32, '\x40');
  EXPECT_FALSE(graphics::decodeBmpBytes(bmpBytes(deep)));
  BmpFile jpeg = deep;
  jpeg.bits = 24;
  jpeg.compression = 4;
  EXPECT_FALSE(graphics::decodeBmpBytes(bmpBytes(jpeg)));
  BmpFile odd = deep;
  odd.bits = 7;
  EXPECT_FALSE(graphics::decodeBmpBytes(bmpBytes(odd)));
  BmpFile rleOfWrongDepth = deep;
  rleOfWrongDepth.bits = 24;
  rleOfWrongDepth.compression = 1;
  EXPECT_FALSE(graphics::decodeBmpBytes(bmpBytes(rleOfWrongDepth)));
  BmpFile unknownHeader = deep;
  unknownHeader.bits = 24;
  unknownHeader.headerBytes = 200;
  EXPECT_FALSE(graphics::decodeBmpBytes(bmpBytes(unknownHeader)));
  EXPECT_FALSE(graphics::decodeBmpBytes("BM"));
  EXPECT_FALSE(graphics::decodeBmpBytes(""));
}

}  // namespace
