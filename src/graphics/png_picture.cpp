// PNG decoding with libpng and the inverted-alpha flattening over the destination.
#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <vector>

#include "graphics/picture_decoders.h"
#include "graphics/surfaces.h"

namespace graphics {
namespace {

// The decoded image. A picture without alpha is read straight into the rows of
// a 24-bit surface (`opaque`); one with alpha into 8-bit RGBA bytes with the
// alpha inverted, to be mixed over the destination.
struct PngPixels {
  QImage opaque;
  std::vector<unsigned char> bytes;
  std::vector<png_bytep> rows;
  int width = 0, height = 0, bytesPerPixel = 0;
};

constexpr bool kLittleEndian = Q_BYTE_ORDER == Q_LITTLE_ENDIAN;

[[noreturn]] void onPngError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void onPngWarning(png_structp, png_const_charp) {}

// libpng reports errors with longjmp, so nothing in this frame has a destructor.
bool readPng(FILE* file, PngPixels& out) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, onPngError, onPngWarning);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  png_init_io(png, file);
  png_set_user_limits(png, kMaxSurfaceSide, kMaxSurfaceSide);
  png_set_chunk_malloc_max(png, static_cast<png_alloc_size_t>(kMaxDecoderMemory));
  png_read_info(png, info);
  // The declared size decides before the picture is allocated.
  if (!acceptablePictureSize(png_get_image_width(png, info), png_get_image_height(png, info)))
    png_error(png, "picture too large");
  png_set_invert_alpha(png);
  png_set_expand(png);    // palettes, grey below 8 bits and tRNS to full colour or alpha
  png_set_packing(png);
  png_set_strip_16(png);  // 16-bit samples to 8 bits
  png_set_gray_to_rgb(png);
  const bool straight = kLittleEndian && !(png_get_color_type(png, info) & PNG_COLOR_MASK_ALPHA) &&
                        !png_get_valid(png, info, PNG_INFO_tRNS);
  if (straight) {
    png_set_bgr(png);  // B, G, R, 0xFF: an RGB32 pixel in memory order
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  }
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  out.width = static_cast<int>(png_get_image_width(png, info));
  out.height = static_cast<int>(png_get_image_height(png, info));
  const size_t rowBytes = png_get_rowbytes(png, info);
  out.bytesPerPixel = out.width > 0 ? static_cast<int>(rowBytes / static_cast<size_t>(out.width)) : 0;
  if (out.bytesPerPixel != 3 && out.bytesPerPixel != 4)
    png_error(png, "unsupported layout");
  out.rows.resize(static_cast<size_t>(out.height));
  if (straight) {
    out.opaque = QImage(out.width, out.height, QImage::Format_RGB32);
    if (out.opaque.isNull()) png_error(png, "no memory");
    for (int y = 0; y < out.height; ++y) out.rows[static_cast<size_t>(y)] = out.opaque.scanLine(y);
  } else {
    out.bytes.resize(rowBytes * static_cast<size_t>(out.height));
    for (int y = 0; y < out.height; ++y)
      out.rows[static_cast<size_t>(y)] = out.bytes.data() + rowBytes * static_cast<size_t>(y);
  }
  png_read_image(png, out.rows.data());
  png_destroy_read_struct(&png, &info, nullptr);
  return true;
}

QRgb rgb(unsigned red, unsigned green, unsigned blue) { return 0xFF000000u | (red << 16) | (green << 8) | blue; }

// A = 0 takes the colour, A = 255 keeps the destination, anything between mixes.
QRgb mix(const unsigned char* pixel, QRgb under) {
  const unsigned a = pixel[3];
  if (a == 0) return rgb(pixel[0], pixel[1], pixel[2]);
  if (a == 255) return under;
  auto channel = [&](unsigned source, unsigned destination) { return (a * destination + (255 - a) * source) / 255; };
  return rgb(channel(pixel[0], qRed(under)), channel(pixel[1], qGreen(under)), channel(pixel[2], qBlue(under)));
}

QImage flatten(const PngPixels& png, const QImage& under) {
  QImage out(png.width, png.height, QImage::Format_RGB32);
  if (png.bytesPerPixel == 4) {
    // The bitmap starts as the destination's picture; where that does not reach, black.
    out.fill(Qt::black);
    const QImage destination = toSurfaceFormat(under);
    const int rows = std::min(out.height(), destination.height());
    const int bytes = std::min(out.width(), destination.width()) * 4;
    for (int y = 0; y < rows && bytes > 0; ++y) std::copy_n(destination.constScanLine(y), bytes, out.scanLine(y));
  }
  for (int y = 0; y < png.height; ++y) {
    const unsigned char* from = png.rows[static_cast<size_t>(y)];
    auto* to = reinterpret_cast<QRgb*>(out.scanLine(y));
    if (png.bytesPerPixel == 3) {
      for (int x = 0; x < png.width; ++x, from += 3) to[x] = rgb(from[0], from[1], from[2]);
    } else {
      for (int x = 0; x < png.width; ++x, from += 4) to[x] = mix(from, to[x]);
    }
  }
  return out;
}

}  // namespace

QImage decodePng(const std::optional<std::filesystem::path>& path, const QImage& under, PngError& error) {
  error = PngError::None;
  FILE* file = path ? std::fopen(path->c_str(), "rb") : nullptr;
  if (!file) {
    error = PngError::CannotOpen;
    return QImage();
  }
  PngPixels pixels;
  const bool read = readPng(file, pixels);
  std::fclose(file);
  if (!read) {
    error = PngError::CannotRead;
    return QImage();
  }
  if (!pixels.opaque.isNull()) return std::move(pixels.opaque);
  return flatten(pixels, under);
}

}  // namespace graphics
