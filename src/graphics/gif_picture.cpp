// GIF decoding with giflib: the first image of the file only, read record by
// record so the frames after it are never decoded. Its transparent pixels
// become the key colour magenta, so they leave the destination unchanged.
#include <gif_lib.h>

#include <memory>
#include <vector>

#include "graphics/picture_decoders.h"
#include "graphics/surfaces.h"

namespace graphics {
namespace {

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};
using GifFile = std::unique_ptr<GifFileType, GifCloser>;

// Skips an extension; the one giving the next image's transparent index sets `transparent`.
bool readExtension(GifFileType* gif, int& transparent) {
  int code = 0;
  GifByteType* block = nullptr;
  if (DGifGetExtension(gif, &code, &block) != GIF_OK) return false;
  GraphicsControlBlock control;
  if (code == GRAPHICS_EXT_FUNC_CODE && block && DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
    transparent = control.TransparentColor;
  while (block)
    if (DGifGetExtensionNext(gif, &block) != GIF_OK) return false;
  return true;
}

// Moves to the first image descriptor; false when the file has none or breaks.
// transparent: its transparent index (NO_TRANSPARENT_COLOR for none).
bool findFirstImage(GifFileType* gif, int& transparent) {
  transparent = NO_TRANSPARENT_COLOR;
  for (;;) {
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif, &record) != GIF_OK) return false;
    if (record == IMAGE_DESC_RECORD_TYPE) return DGifGetImageDesc(gif) == GIF_OK;
    if (record == EXTENSION_RECORD_TYPE) {
      if (!readExtension(gif, transparent)) return false;
    } else if (record == TERMINATE_RECORD_TYPE) {
      return false;
    }
  }
}

QRgb colourAt(const ColorMapObject* map, int index) {
  if (!map || index < 0 || index >= map->ColorCount) return qRgb(0, 0, 0);
  const GifColorType& c = map->Colors[index];
  return qRgb(c.Red, c.Green, c.Blue);
}

// Rows in the order an interlaced image stores them.
std::vector<int> rowOrder(int height, bool interlaced) {
  std::vector<int> order;
  order.reserve(static_cast<size_t>(height));
  if (!interlaced) {
    for (int y = 0; y < height; ++y) order.push_back(y);
    return order;
  }
  const int starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass)
    for (int y = starts[pass]; y < height; y += steps[pass]) order.push_back(y);
  return order;
}

}  // namespace

std::optional<QImage> decodeGif(const std::filesystem::path& path) {
  int error = 0;
  GifFile gif(DGifOpenFileName(path.c_str(), &error));
  int transparent = NO_TRANSPARENT_COLOR;
  if (!gif || !findFirstImage(gif.get(), transparent)) return std::nullopt;
  const GifImageDesc& frame = gif->Image;
  const int screenWidth = gif->SWidth > 0 ? gif->SWidth : frame.Width;
  const int screenHeight = gif->SHeight > 0 ? gif->SHeight : frame.Height;
  // The declared sizes decide before the picture or a line is allocated.
  if (!acceptablePictureSize(screenWidth, screenHeight) || !acceptablePictureSize(frame.Width, frame.Height))
    return std::nullopt;
  const ColorMapObject* map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
  QImage picture(screenWidth, screenHeight, QImage::Format_RGB32);
  if (picture.isNull()) return std::nullopt;
  // A background of the transparent index is transparent too.
  picture.fill(gif->SBackGroundColor == transparent ? kMagenta : colourAt(gif->SColorMap, gif->SBackGroundColor));
  std::vector<GifPixelType> line(static_cast<size_t>(frame.Width));
  for (int row : rowOrder(frame.Height, frame.Interlace)) {
    if (DGifGetLine(gif.get(), line.data(), frame.Width) != GIF_OK) return std::nullopt;
    const int y = frame.Top + row;
    if (y < 0 || y >= screenHeight) continue;
    auto* pixels = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < frame.Width; ++x) {
      const int column = frame.Left + x;
      const int index = line[static_cast<size_t>(x)];
      if (column >= 0 && column < screenWidth) pixels[column] = index == transparent ? kMagenta : colourAt(map, index);
    }
  }
  return picture;
}

}  // namespace graphics
