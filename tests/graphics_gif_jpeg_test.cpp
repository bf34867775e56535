// GIF transparency, CMYK and YCCK JPEG files, and JPEG files of too many scans;
// the mode-"2" page line of a picture, which reads only the picture's header.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include "graphics/picture_decoders.h"
#include "graphics/surfaces.h"
#include "support/picture_files.h"
#include "support/test_game.h"
#include "view/display_mode.h"
#include "view/layout.h"

using namespace testing_support;

namespace {

struct Ink {
  int c, m, y, k;
};

// The colour an ink gives on screen.
QRgb onScreen(const Ink& ink) {
  return qRgb((255 - ink.c) * (255 - ink.k) / 255, (255 - ink.m) * (255 - ink.k) / 255,
              (255 - ink.y) * (255 - ink.k) / 255);
}

enum class InkFile { AdobeCmyk, AdobeYcck, PlainCmyk };

// Side-by-side 16 x 16 squares of the inks, written by libjpeg at the best
// quality; Adobe files store the inks inverted, as Adobe programs do.
void writeCmykJpeg(const std::filesystem::path& path, const std::vector<Ink>& inks, InkFile kind) {
  const int width = 16 * static_cast<int>(inks.size()), height = 16;
  FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, file);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = height;
  info.input_components = 4;
  info.in_color_space = JCS_CMYK;
  jpeg_set_defaults(&info);
  if (kind == InkFile::AdobeYcck) jpeg_set_colorspace(&info, JCS_YCCK);
  jpeg_set_quality(&info, 100, TRUE);
  info.write_Adobe_marker = kind != InkFile::PlainCmyk;
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(static_cast<size_t>(width) * 4);
  for (int x = 0; x < width; ++x) {
    const Ink& ink = inks[static_cast<size_t>(x / 16)];
    const int values[] = {ink.c, ink.m, ink.y, ink.k};
    for (int i = 0; i < 4; ++i)
      row[static_cast<size_t>(4 * x + i)] = static_cast<JSAMPLE>(kind == InkFile::PlainCmyk ? values[i] : 255 - values[i]);
  }
  for (int y = 0; y < height; ++y) {
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::fclose(file);
}

// A progressive RGB JPEG of the picture (libjpeg's usual script of ten scans).
std::string progressiveJpeg(const QImage& picture) {
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(picture.width());
  info.image_height = static_cast<JDIMENSION>(picture.height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(static_cast<size_t>(picture.width()) * 3);
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb pixel = picture.pixel(x, y);
      row[static_cast<size_t>(3 * x)] = static_cast<JSAMPLE>(qRed(pixel));
      row[static_cast<size_t>(3 * x + 1)] = static_cast<JSAMPLE>(qGreen(pixel));
      row[static_cast<size_t>(3 * x + 2)] = static_cast<JSAMPLE>(qBlue(pixel));
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string bytes(reinterpret_cast<const char*>(buffer), size);
  std::free(buffer);
  return bytes;
}

// The file with its last scan (from its SOS marker to the end-of-image marker) repeated.
std::string withLastScanRepeated(const std::string& jpeg, int times) {
  const size_t lastScan = jpeg.rfind("\xFF\xDA");
  const size_t end = jpeg.size() - 2;  // FF D9
  const std::string scan = jpeg.substr(lastScan, end - lastScan);
  std::string bytes = jpeg.substr(0, end);
  for (int i = 0; i < times; ++i) bytes += scan;
  return bytes + jpeg.substr(end);
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

TEST(GifPictures, TheTransparentIndexLeavesTheDestinationUnchanged) {
  TempFolder folder;
  QImage picture = graphics::makeSurface(6, 2, 0x20A040);
  for (int x = 0; x < 3; ++x) picture.setPixel(x, 0, qRgb(0x12, 0x34, 0x56));
  picture.setPixel(5, 1, qRgb(0x12, 0x34, 0x56));
  writeGif(folder.path() / "com.gif", picture, false, qRgb(0x12, 0x34, 0x56));
  writeGif(folder.path() / "sem.gif", picture);
  for (bool marked : {true, false}) {
    const auto decoded = graphics::decodeGif(folder.path() / (marked ? "com.gif" : "sem.gif"));
    ASSERT_TRUE(decoded);
    QImage destination = graphics::makeSurface(8, 3, 0xC0FFEE);
    graphics::drawTransparent(destination, *decoded, 1, 1);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 8; ++x) {
        const bool covered = x >= 1 && x < 7 && y >= 1;
        const QRgb own = covered ? picture.pixel(x - 1, y - 1) & 0xFFFFFF : 0;
        const bool clear = covered && own == 0x123456 && marked;
        const QRgb expected = !covered || clear ? 0xC0FFEE : own;
        EXPECT_EQ(destination.pixel(x, y) & 0xFFFFFF, expected) << x << ", " << y << (marked ? " marked" : "");
      }
  }
}

TEST(JpegPictures, CmykAndYcckFilesShowTheirColours) {
  TempFolder folder;
  const std::vector<Ink> inks = {{0, 0, 0, 0}, {0, 255, 255, 0}, {255, 0, 0, 0}, {0, 128, 0, 64}, {0, 0, 0, 255}};
  for (InkFile kind : {InkFile::AdobeCmyk, InkFile::AdobeYcck, InkFile::PlainCmyk}) {
    const auto path = folder.path() / "tinta.jpg";
    writeCmykJpeg(path, inks, kind);
    const auto picture = graphics::decodeJpeg(path);
    ASSERT_TRUE(picture) << static_cast<int>(kind);
    ASSERT_EQ(picture->size(), QSize(16 * static_cast<int>(inks.size()), 16));
    // Inside each square (smooth upsampling blends its edges with the next one).
    for (size_t square = 0; square < inks.size(); ++square) {
      const QRect inside(16 * static_cast<int>(square) + 4, 4, 8, 8);
      QImage expected(inside.size(), QImage::Format_RGB32);
      expected.fill(onScreen(inks[square]));
      EXPECT_LE(largestChannelDifference(picture->copy(inside), expected), 6)
          << static_cast<int>(kind) << " square " << square;
    }
  }
}

TEST(JpegPictures, AFileOfThousandsOfScansIsRefusedAndOneOfAFewMoreStillShows) {
  TempFolder folder;
  QImage picture(64, 48, QImage::Format_RGB32);  // smooth, so the JPEG stays close to it
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x) picture.setPixel(x, y, qRgb(x * 4, y * 5, 128));
  const std::string jpeg = progressiveJpeg(picture);
  writeBytes(folder.path() / "normal.jpg", jpeg);
  writeBytes(folder.path() / "mais.jpg", withLastScanRepeated(jpeg, 20));
  writeBytes(folder.path() / "bomba.jpg", withLastScanRepeated(jpeg, 3000));
  const auto normal = graphics::decodeJpeg(folder.path() / "normal.jpg");
  ASSERT_TRUE(normal);
  EXPECT_LE(largestChannelDifference(*normal, picture), 40);
  const auto more = graphics::decodeJpeg(folder.path() / "mais.jpg");
  ASSERT_TRUE(more);
  EXPECT_EQ(more->size(), QSize(64, 48));
  EXPECT_FALSE(graphics::decodeJpeg(folder.path() / "bomba.jpg"));
  // Its header still declares its size.
  EXPECT_EQ(graphics::declaredPictureSize(folder.path() / "bomba.jpg"), QSize(64, 48));
}

// The page line needs the picture's size only: the header gives it, and the
// page alone decodes the picture.
TEST(JpegPictures, APagePictureLineReadsOnlyThePicturesHeader) {
  TestGame t;
  view::applyStartLayout(*t.game);
  writeBytes(t.folder.path() / "bomba.jpg", withLastScanRepeated(progressiveJpeg(testPattern(64, 48)), 3000));
  writeBmp(t.folder.path() / "bloco.bmp", graphics::makeSurface(30, 20, 0xFF0000));
  writeGif(t.folder.path() / "anim.gif", graphics::makeSurface(7, 5, 0x00FF00));
  view::setDisplayMode(*t.game, model::DisplayModeSetting::parse("2"));
  t.game->surfaces.BufShp = graphics::makeSurface(3, 3, 0x0000FF);
  t.script("s", "display= bomba.jpg,tel\ndisplay= bloco.bmp,tel,,,,,left\ndisplay= anim.gif,tel,,,9");
  t.run("s");
  const auto& page = t.game->screen.WebTxt;
  const std::string url = t.game->folders.exeFolderUrl;
  auto has = [&](const std::string& line) { return std::find(page.begin(), page.end(), line) != page.end(); };
  EXPECT_TRUE(has("<img src=" + url + "bomba.jpg width=64 height=48 border=0 >"));
  EXPECT_TRUE(has("<img src=" + url + "bloco.bmp width=30 height=20 border=0 align=left>"));
  EXPECT_TRUE(has("<img src=" + url + "anim.gif width=9 height=5 border=0 >"));
  EXPECT_EQ(t.game->surfaces.BufShp.size(), QSize(3, 3));  // nothing was decoded into it
}

}  // namespace
