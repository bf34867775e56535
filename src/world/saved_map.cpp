// Reading and writing the saved map.
#include "world/saved_map.h"

#include <fstream>

#include "base/file_io.h"
#include "graphics/bitmap_file.h"
#include "graphics/picture_decoders.h"
#include "graphics/surfaces.h"

namespace world {

std::optional<QImage> readSavedMap(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  char leading[8] = {};
  in.read(leading, sizeof leading);
  const auto format = graphics::formatOf(std::string_view(leading, static_cast<size_t>(in.gcount())));
  in.close();
  QImage picture;
  switch (format) {
    case graphics::PictureFormat::Bitmap: {
      QImage bitmap;
      if (bitmap.load(QString::fromStdString(path.string()), "BMP")) picture = graphics::toSurfaceFormat(bitmap);
      break;
    }
    case graphics::PictureFormat::Png: {
      graphics::PngError error = graphics::PngError::None;
      picture = graphics::decodePng(path, QImage(), error);
      if (error != graphics::PngError::None) picture = QImage();
      break;
    }
    case graphics::PictureFormat::Jpeg:
      if (auto jpeg = graphics::decodeJpeg(path)) picture = std::move(*jpeg);
      break;
    case graphics::PictureFormat::Gif:
      if (auto gif = graphics::decodeGif(path)) picture = std::move(*gif);
      break;
    case graphics::PictureFormat::Unknown:
      break;
  }
  if (picture.isNull()) return std::nullopt;
  return picture;
}

bool writeSavedMap(const std::filesystem::path& path, const QImage& map) {
  return base::writeFileAtomically(path, graphics::encodeBitmap(map));
}

}  // namespace world
