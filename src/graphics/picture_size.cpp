// The size of a picture from its header alone, for callers that only need the
// size (a mode-"2" page line): the pixels are left to whoever shows them.
#include <cstdint>
#include <fstream>
#include <string>

#include "graphics/bitmap_file.h"
#include "graphics/picture_decoders.h"

namespace graphics {
namespace {

uint32_t bigEndian(std::string_view bytes, size_t at) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i) value = (value << 8) | static_cast<uint8_t>(bytes[at + i]);
  return value;
}

uint32_t littleEndian16(std::string_view bytes, size_t at) {
  return static_cast<uint8_t>(bytes[at]) | uint32_t(static_cast<uint8_t>(bytes[at + 1])) << 8;
}

std::optional<QSize> acceptable(int64_t width, int64_t height) {
  if (!acceptablePictureSize(width, height)) return std::nullopt;
  return QSize(static_cast<int>(width), static_cast<int>(height));
}

}  // namespace

std::optional<QSize> declaredPictureSize(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::string leading(2048, '\0');  // a BMP's largest headers and palette
  file.read(leading.data(), static_cast<std::streamsize>(leading.size()));
  leading.resize(static_cast<size_t>(file.gcount()));
  switch (formatOf(leading)) {
    case PictureFormat::Bitmap: return declaredBmpSize(leading);
    case PictureFormat::Jpeg: return declaredJpegSize(path);
    case PictureFormat::Png:  // the IHDR chunk comes first
      if (leading.size() < 24) return std::nullopt;
      return acceptable(bigEndian(leading, 16), bigEndian(leading, 20));
    case PictureFormat::Gif:  // the logical screen
      if (leading.size() < 10) return std::nullopt;
      return acceptable(littleEndian16(leading, 6), littleEndian16(leading, 8));
    case PictureFormat::Unknown: break;
  }
  return std::nullopt;
}

}  // namespace graphics
