// Writing test pictures.
#include "support/picture_files.h"

#include <gif_lib.h>
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <map>
#include <stdexcept>

namespace testing_support {

QImage testPattern(int width, int height) {
  QImage picture(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const int block = ((x / 8) + (y / 8)) % 2;
      picture.setPixel(x, y, qRgb((x * 255) / std::max(width - 1, 1), (y * 255) / std::max(height - 1, 1),
                                  block ? 40 : 200));
    }
  return picture;
}

namespace {

// libpng reports errors by longjmp; this frame owns nothing with a destructor.
bool writePngFile(FILE* file, const PngLayout& layout, png_bytep* rows) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) return false;
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(layout.width), static_cast<png_uint_32>(layout.height), layout.bitDepth,
               layout.colourType, layout.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!layout.palette.empty()) {
    png_color entries[256];
    const int count = static_cast<int>(layout.palette.size() / 3);
    for (int i = 0; i < count; ++i)
      entries[i] = {layout.palette[3 * i], layout.palette[3 * i + 1], layout.palette[3 * i + 2]};
    png_set_PLTE(png, info, entries, count);
  }
  if (!layout.transparency.empty())
    png_set_tRNS(png, info, layout.transparency.data(), static_cast<int>(layout.transparency.size()), nullptr);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

void writePng(const std::filesystem::path& file, const PngLayout& layout) {
  const size_t rowBytes = layout.samples.size() / static_cast<size_t>(layout.height);
  std::vector<png_bytep> rows;
  std::vector<uint8_t> samples = layout.samples;
  for (int y = 0; y < layout.height; ++y) rows.push_back(samples.data() + rowBytes * static_cast<size_t>(y));
  FILE* out = std::fopen(file.c_str(), "wb");
  if (!out) throw std::runtime_error("cannot write " + file.string());
  const bool written = writePngFile(out, layout, rows.data());
  std::fclose(out);
  if (!written) throw std::runtime_error("libpng could not write " + file.string());
}

namespace {

PngLayout rgbLayout(const QImage& picture, bool withAlpha, uint8_t alpha) {
  PngLayout layout;
  layout.width = picture.width();
  layout.height = picture.height();
  layout.colourType = withAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb pixel = picture.pixel(x, y);
      layout.samples.insert(layout.samples.end(), {static_cast<uint8_t>(qRed(pixel)), static_cast<uint8_t>(qGreen(pixel)),
                                               static_cast<uint8_t>(qBlue(pixel))});
      if (withAlpha) layout.samples.push_back(alpha);
    }
  return layout;
}

}  // namespace

void writeRgbPng(const std::filesystem::path& file, const QImage& picture) { writePng(file, rgbLayout(picture, false, 0)); }
void writeRgbaPng(const std::filesystem::path& file, const QImage& picture, uint8_t alpha) {
  writePng(file, rgbLayout(picture, true, alpha));
}

void writeGif(const std::filesystem::path& file, const QImage& picture, bool interlaced, std::optional<QRgb> transparent) {
  std::map<QRgb, int> indices;
  std::vector<GifColorType> colours;
  std::vector<GifPixelType> pixels;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb pixel = picture.pixel(x, y) | 0xFF000000u;
      auto [it, added] = indices.emplace(pixel, static_cast<int>(colours.size()));
      if (added) colours.push_back({static_cast<GifByteType>(qRed(pixel)), static_cast<GifByteType>(qGreen(pixel)),
                                    static_cast<GifByteType>(qBlue(pixel))});
      pixels.push_back(static_cast<GifPixelType>(it->second));
    }
  if (colours.size() > 256) throw std::runtime_error("a GIF holds at most 256 colours");
  int size = 2;
  while (size < static_cast<int>(colours.size())) size *= 2;
  colours.resize(static_cast<size_t>(size));
  int error = 0;
  GifFileType* gif = EGifOpenFileName(file.c_str(), false, &error);
  if (!gif) throw std::runtime_error("cannot write " + file.string());
  ColorMapObject* map = GifMakeMapObject(size, colours.data());
  EGifPutScreenDesc(gif, picture.width(), picture.height(), 8, 0, map);
  if (transparent) {
    GraphicsControlBlock control{};
    control.TransparentColor = indices.at(*transparent | 0xFF000000u);
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension);
  }
  EGifPutImageDesc(gif, 0, 0, picture.width(), picture.height(), interlaced, nullptr);
  std::vector<int> order;
  if (interlaced) {
    const int starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
      for (int y = starts[pass]; y < picture.height(); y += steps[pass]) order.push_back(y);
  } else {
    for (int y = 0; y < picture.height(); ++y) order.push_back(y);
  }
  for (int y : order) EGifPutLine(gif, pixels.data() + static_cast<size_t>(y) * picture.width(), picture.width());
  EGifCloseFile(gif, &error);
  GifFreeMapObject(map);
}

void writeJpeg(const std::filesystem::path& file, const QImage& picture, int quality) {
  if (!picture.save(QString::fromStdString(file.string()), "JPG", quality))
    throw std::runtime_error("cannot write " + file.string());
}

void writeBmp(const std::filesystem::path& file, const QImage& picture) {
  if (!picture.convertToFormat(QImage::Format_RGB888).save(QString::fromStdString(file.string()), "BMP"))
    throw std::runtime_error("cannot write " + file.string());
}

void truncateFile(const std::filesystem::path& file, size_t keep) { std::filesystem::resize_file(file, keep); }

int largestChannelDifference(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return 256;
  int largest = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))});
    }
  return largest;
}

}  // namespace testing_support
