// JPEG decoding with libjpeg, straight into the rows of a 24-bit surface.
#include <cstdio>
#include <csetjmp>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include "graphics/picture_decoders.h"

namespace graphics {
namespace {

struct JpegErrors {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

[[noreturn]] void onJpegError(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1); }
void onJpegMessage(j_common_ptr, int) {}  // warnings (a truncated file among them) are not failures

#ifdef JCS_EXTENSIONS
constexpr J_COLOR_SPACE kSurfaceColourSpace = JCS_EXT_BGRX;  // an RGB32 pixel in memory order
#endif

// libjpeg reports errors with longjmp, so nothing in this frame has a destructor;
// the picture lives in the caller.
bool readJpeg(FILE* file, QImage& picture) {
  jpeg_decompress_struct info;
  JpegErrors errors;
  info.err = jpeg_std_error(&errors.manager);
  errors.manager.error_exit = onJpegError;
  errors.manager.emit_message = onJpegMessage;
  jpeg_create_decompress(&info);
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
#ifdef JCS_EXTENSIONS
  info.out_color_space = kSurfaceColourSpace;
#else
  info.out_color_space = JCS_RGB;
#endif
  jpeg_start_decompress(&info);
  const auto width = static_cast<int>(info.output_width), height = static_cast<int>(info.output_height);
  if (!acceptablePictureSize(width, height)) std::longjmp(errors.jump, 1);
  if (picture.size() != QSize(width, height) || picture.format() != QImage::Format_RGB32)
    picture = QImage(width, height, QImage::Format_RGB32);
  if (picture.isNull()) std::longjmp(errors.jump, 1);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = picture.scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
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

}  // namespace

std::optional<QImage> decodeJpeg(const std::filesystem::path& path, QImage storage) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return std::nullopt;
  QImage picture = std::move(storage);
  const bool read = readJpeg(file, picture);
  std::fclose(file);
  if (!read) return std::nullopt;
  return picture;
}

}  // namespace graphics
