// BMP decoding through Qt's reader, after our own look at the header: the size
// a file declares is checked before Qt allocates the picture.
#include <QImageReader>
#include <cstdint>
#include <fstream>

#include "graphics/picture_decoders.h"

namespace graphics {
namespace {

int64_t littleEndian(const unsigned char* bytes, int count, bool isSigned) {
  uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[i];
  if (!isSigned) return value;
  if (count == 2) return static_cast<int16_t>(value);
  return static_cast<int32_t>(value);
}

}  // namespace

std::optional<QSize> declaredBmpSize(const std::filesystem::path& path) {
  unsigned char header[26] = {};
  std::ifstream file(path, std::ios::binary);
  if (!file.read(reinterpret_cast<char*>(header), sizeof header) || header[0] != 'B' || header[1] != 'M')
    return std::nullopt;
  const int64_t infoSize = littleEndian(header + 14, 4, false);
  int64_t width = 0, height = 0;
  if (infoSize == 12) {  // the old OS/2 header: 16-bit sizes
    width = littleEndian(header + 18, 2, false);
    height = littleEndian(header + 20, 2, false);
  } else {
    width = littleEndian(header + 18, 4, true);
    height = littleEndian(header + 22, 4, true);
    if (height < 0) height = -height;  // rows stored top down
  }
  if (!acceptablePictureSize(width, height)) return std::nullopt;
  return QSize(static_cast<int>(width), static_cast<int>(height));
}

std::optional<QImage> decodeBmp(const std::filesystem::path& path) {
  if (!declaredBmpSize(path)) return std::nullopt;
  QImageReader reader(QString::fromStdString(path.string()), "BMP");
  QImage picture;
  if (!reader.read(&picture)) return std::nullopt;
  if (!acceptablePictureSize(picture.width(), picture.height())) return std::nullopt;
  return toSurfaceFormat(picture);
}

}  // namespace graphics
