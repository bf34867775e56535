// libjpeg and giflib loaded on first use (base/lazy_library.h). A GIF without
// giflib fails to open as a broken file does; the JPEG reader asks
// jpegLibraryOpens() first, since libjpeg reports its failures through the
// structures its first calls fill.
#include "graphics/picture_libraries.h"

#include <cstdio>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>
#include <gif_lib.h>

#include "base/lazy_library.h"

namespace {

constexpr const char* kJpeg = "libjpeg.so.62";
constexpr const char* kGif = "libgif.so.7";

}  // namespace

namespace graphics {

bool jpegLibraryOpens() { return base::lazyLibraryFunction(kJpeg, "jpeg_std_error") != nullptr; }

}  // namespace graphics

#define MIRANDEL_JPEG_FORWARD(Result, name, failure, params, args) \
  MIRANDEL_LAZY_FORWARD(kJpeg, Result, name, failure, params, args)
#define MIRANDEL_JPEG_FORWARD_VOID(name, params, args) MIRANDEL_LAZY_FORWARD_VOID(kJpeg, name, params, args)
#define MIRANDEL_GIF_FORWARD(Result, name, params, args) \
  MIRANDEL_LAZY_FORWARD(kGif, Result, name, GIF_ERROR, params, args)

MIRANDEL_JPEG_FORWARD(jpeg_error_mgr*, jpeg_std_error, nullptr, (jpeg_error_mgr * errors), (errors))
MIRANDEL_JPEG_FORWARD_VOID(jpeg_CreateDecompress, (j_decompress_ptr info, int version, size_t size),
                           (info, version, size))
MIRANDEL_JPEG_FORWARD_VOID(jpeg_destroy_decompress, (j_decompress_ptr info), (info))
MIRANDEL_JPEG_FORWARD_VOID(jpeg_stdio_src, (j_decompress_ptr info, FILE* file), (info, file))
MIRANDEL_JPEG_FORWARD(int, jpeg_read_header, JPEG_SUSPENDED, (j_decompress_ptr info, boolean image), (info, image))
MIRANDEL_JPEG_FORWARD(boolean, jpeg_start_decompress, FALSE, (j_decompress_ptr info), (info))
MIRANDEL_JPEG_FORWARD(JDIMENSION, jpeg_read_scanlines, 0, (j_decompress_ptr info, JSAMPARRAY rows, JDIMENSION count),
                      (info, rows, count))
MIRANDEL_JPEG_FORWARD(boolean, jpeg_finish_decompress, FALSE, (j_decompress_ptr info), (info))

// giflib's open gives its error code through the last argument.
extern "C" GifFileType*(DGifOpenFileName)(const char* path, int* error) {
  static auto* const function = base::lazyFunction<GifFileType*(const char*, int*)>(kGif, "DGifOpenFileName");
  if (function) return function(path, error);
  if (error) *error = D_GIF_ERR_OPEN_FAILED;
  return nullptr;
}
MIRANDEL_GIF_FORWARD(int, DGifCloseFile, (GifFileType * gif, int* error), (gif, error))
MIRANDEL_GIF_FORWARD(int, DGifGetRecordType, (GifFileType * gif, GifRecordType* type), (gif, type))
MIRANDEL_GIF_FORWARD(int, DGifGetImageDesc, (GifFileType * gif), (gif))
MIRANDEL_GIF_FORWARD(int, DGifGetLine, (GifFileType * gif, GifPixelType* line, int length), (gif, line, length))
MIRANDEL_GIF_FORWARD(int, DGifGetExtension, (GifFileType * gif, int* code, GifByteType** block), (gif, code, block))
MIRANDEL_GIF_FORWARD(int, DGifGetExtensionNext, (GifFileType * gif, GifByteType** block), (gif, block))
MIRANDEL_GIF_FORWARD(int, DGifExtensionToGCB, (size_t length, const GifByteType* block, GraphicsControlBlock* control),
                     (length, block, control))
