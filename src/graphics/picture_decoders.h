// Decoding picture files with the picture libraries: PNG through libpng, JPEG
// through libjpeg, the first frame of a GIF through giflib, BMP with our own reader. Every result is a
// 24-bit surface (QImage::Format_RGB32).
#pragma once
#include <QImage>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "graphics/surfaces.h"

namespace graphics {

// Why a PNG gave no picture.
enum class PngError { None, CannotOpen, CannotRead };

// Reads the PNG at path (nothing: the file is missing) and flattens it over
// `under`, the picture the destination shows now: alpha is read inverted (0
// opaque, 255 clear) and a partly clear pixel mixes the two. Every layout is
// first brought to 8-bit RGB or RGBA. A file that cannot be opened or read
// gives a null image and says why in `error`.
QImage decodePng(const std::optional<std::filesystem::path>& path, const QImage& under, PngError& error);

// The JPEG or the first GIF frame; nothing when the file is missing or broken.
// storage: a picture whose memory may be reused when it has the right size (the
// scratch surface of the last load), so loading picture after picture allocates nothing.
std::optional<QImage> decodeJpeg(const std::filesystem::path& path, QImage storage = QImage());
std::optional<QImage> decodeGif(const std::filesystem::path& path);

// The BMP, by our own reader (bmp_picture.cpp); nothing when the file is
// missing, broken or of a layout the platform's loader refuses.
std::optional<QImage> decodeBmp(const std::filesystem::path& path);
std::optional<QImage> decodeBmpBytes(std::string_view bytes);

// The size a picture file's header declares, read without its pixels, when it
// is one we accept (acceptablePictureSize): BMP from the file's first bytes
// (its headers and palette), JPEG from the file; declaredPictureSize tells the
// format by the file's signature.
std::optional<QSize> declaredBmpSize(std::string_view leadingBytes);
std::optional<QSize> declaredJpegSize(const std::filesystem::path& path);
std::optional<QSize> declaredPictureSize(const std::filesystem::path& path);

}  // namespace graphics
