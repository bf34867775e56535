// JPEG decoding with libjpeg, straight into the rows of a 24-bit surface.
// CMYK and YCCK files (as Adobe programs write them, inverted) are converted to
// RGB; a file of more scans than any encoder writes is refused, so a file that
// repeats a scan thousands of times cannot hold the player for minutes.
#include <cstdio>
#include <csetjmp>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include "graphics/picture_decoders.h"
#include "graphics/picture_libraries.h"

namespace graphics {
namespace {

// Progressive encoders write about ten scans; even one scan per coefficient of
// each of three components stays below this.
constexpr int kMaxScans = 256;

struct JpegErrors {
  jpeg_error_mgr manager;
  jpeg_progress_mgr progress;
  std::jmp_buf jump;
};

[[noreturn]] void onJpegError(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1); }
void onJpegProgress(j_common_ptr info) {
  if (info->is_decompressor && reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxScans)
    onJpegError(info);
}
void onJpegMessage(j_common_ptr, int) {}  // warnings (a truncated file among them) are not failures

#ifdef JCS_EXTENSIONS
constexpr J_COLOR_SPACE kSurfaceColourSpace = JCS_EXT_BGRX;  // an RGB32 pixel in memory order
#endif

bool isCmyk(const jpeg_decompress_struct& info) {
  return info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
}

// A row of CMYK pixels to RGB32 in place. Adobe files store the inks inverted
// (255 is no ink); others store them as they are.
void cmykToRgb(JSAMPROW row, int width, bool inverted) {
  auto* pixels = reinterpret_cast<QRgb*>(row);
  for (int x = 0; x < width; ++x) {
    int c = row[4 * x], m = row[4 * x + 1], y = row[4 * x + 2], k = row[4 * x + 3];
    if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
    pixels[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
  }
}

void startReading(jpeg_decompress_struct& info, JpegErrors& errors) {
  info.err = jpeg_std_error(&errors.manager);
  errors.manager.error_exit = onJpegError;
  errors.manager.emit_message = onJpegMessage;
  errors.progress.progress_monitor = onJpegProgress;
  jpeg_create_decompress(&info);
  info.progress = &errors.progress;
}

// libjpeg reports errors with longjmp, so nothing in this frame has a destructor;
// the picture lives in the caller.
bool readJpeg(FILE* file, QImage& picture) {
  jpeg_decompress_struct info;
  JpegErrors errors;
  startReading(info, errors);
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  // libjpeg refuses work that needs more memory than this (a progressive file's
  // whole-image buffers among it) instead of allocating it.
  info.mem->max_memory_to_use = kMaxDecoderMemory;
  jpeg_stdio_src(&info, file);
  jpeg_read_header(&info, TRUE);
  // The declared size decides before anything of the picture is allocated.
  if (!acceptablePictureSize(info.image_width, info.image_height)) std::longjmp(errors.jump, 1);
  const bool cmyk = isCmyk(info);
#ifdef JCS_EXTENSIONS
  info.out_color_space = cmyk ? JCS_CMYK : kSurfaceColourSpace;
#else
  info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
#endif
  jpeg_start_decompress(&info);
  const auto width = static_cast<int>(info.output_width), height = static_cast<int>(info.output_height);
  if (!acceptablePictureSize(width, height)) std::longjmp(errors.jump, 1);
  // Memory another picture still shares is not taken: writing to it would copy
  // every pixel first, for the decode to overwrite them all.
  if (picture.size() != QSize(width, height) || picture.format() != QImage::Format_RGB32 || !picture.isDetached())
    picture = QImage(width, height, QImage::Format_RGB32);
  if (picture.isNull()) std::longjmp(errors.jump, 1);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = picture.scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
    if (cmyk) {
      cmykToRgb(row, width, info.saw_Adobe_marker);
      continue;
    }
#ifndef JCS_EXTENSIONS
    // RGB triples spread backwards into RGB32 pixels in place.
    auto* pixels = reinterpret_cast<QRgb*>(row);
    for (int x = width - 1; x >= 0; --x) pixels[x] = qRgb(row[3 * x], row[3 * x + 1], row[3 * x + 2]);
#endif
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

// The header only: the size, without a scan read.
bool readJpegSize(FILE* file, QSize& size) {
  jpeg_decompress_struct info;
  JpegErrors errors;
  startReading(info, errors);
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_stdio_src(&info, file);
  jpeg_read_header(&info, TRUE);
  size = QSize(static_cast<int>(info.image_width), static_cast<int>(info.image_height));
  jpeg_destroy_decompress(&info);
  return acceptablePictureSize(size.width(), size.height());
}

}  // namespace

std::optional<QSize> declaredJpegSize(const std::filesystem::path& path) {
  if (!jpegLibraryOpens()) return std::nullopt;
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return std::nullopt;
  QSize size;
  const bool read = readJpegSize(file, size);
  std::fclose(file);
  if (!read) return std::nullopt;
  return size;
}

std::optional<QImage> decodeJpeg(const std::filesystem::path& path, QImage storage) {
  if (!jpegLibraryOpens()) return std::nullopt;
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return std::nullopt;
  QImage picture = std::move(storage);
  const bool read = readJpeg(file, picture);
  std::fclose(file);
  if (!read) return std::nullopt;
  return picture;
}

}  // namespace graphics
