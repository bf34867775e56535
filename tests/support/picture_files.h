// Test pictures made by the tests themselves: PNG files written with libpng in
// any layout, GIF files written with giflib, JPEG and BMP files written with Qt,
// and broken copies of them.
#pragma once
#include <QImage>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

// A deterministic picture with smooth and sharp colour changes (no magenta).
QImage testPattern(int width, int height);

// A PNG of raw samples: colourType and bitDepth as libpng names them, rows of
// width * channels * bitDepth/8 bytes (16-bit samples big-endian as in the file).
struct PngLayout {
  int width = 0, height = 0;
  int colourType = 2;  // PNG_COLOR_TYPE_RGB
  int bitDepth = 8;
  bool interlaced = false;
  std::vector<uint8_t> samples;
  std::vector<uint8_t> palette;       // RGB triples for palette images
  std::vector<uint8_t> transparency;  // tRNS entries for palette images
};
void writePng(const std::filesystem::path& file, const PngLayout& layout);

// The picture as an 8-bit RGB PNG, or RGBA with the given alpha for every pixel.
void writeRgbPng(const std::filesystem::path& file, const QImage& picture);
void writeRgbaPng(const std::filesystem::path& file, const QImage& picture, uint8_t alpha);

// The picture as a GIF with a palette of its colours (at most 256); interlaced
// on request; with a transparent colour, whose index the file marks transparent.
void writeGif(const std::filesystem::path& file, const QImage& picture, bool interlaced = false,
              std::optional<QRgb> transparent = std::nullopt);

// JPEG and BMP through Qt's own writers.
void writeJpeg(const std::filesystem::path& file, const QImage& picture, int quality = 95);
void writeBmp(const std::filesystem::path& file, const QImage& picture);

// Keeps only the first bytes of the file.
void truncateFile(const std::filesystem::path& file, size_t keep);

// The largest difference of one colour channel between two pictures of the same
// size (256 when their sizes differ).
int largestChannelDifference(const QImage& a, const QImage& b);

}  // namespace testing_support
