// Bitmap files and key-colour drawing.
#include "graphics/bitmap_file.h"

#include <cstdint>
#include <cstring>

#include "graphics/surfaces.h"

namespace graphics {
namespace {

void putLittleEndian(char* at, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) at[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string encodeBitmap(const QImage& surface) {
  if (surface.isNull()) return {};
  const QImage source = toSurfaceFormat(surface);
  const uint32_t width = static_cast<uint32_t>(source.width()), height = static_cast<uint32_t>(source.height());
  const uint32_t rowBytes = (width * 3 + 3) & ~3u;
  constexpr uint32_t kHeaderBytes = 14 + 40;
  std::string bytes(kHeaderBytes + size_t(rowBytes) * height, '\0');
  char* header = bytes.data();
  header[0] = 'B';
  header[1] = 'M';
  putLittleEndian(header + 2, static_cast<uint32_t>(bytes.size()), 4);
  putLittleEndian(header + 10, kHeaderBytes, 4);
  putLittleEndian(header + 14, 40, 4);  // BITMAPINFOHEADER
  putLittleEndian(header + 18, width, 4);
  putLittleEndian(header + 22, height, 4);  // positive: the bottom row comes first
  putLittleEndian(header + 26, 1, 2);
  putLittleEndian(header + 28, 24, 2);
  putLittleEndian(header + 34, rowBytes * height, 4);
  putLittleEndian(header + 38, 3780, 4);  // 96 dots per inch
  putLittleEndian(header + 42, 3780, 4);
  auto* out = reinterpret_cast<uint8_t*>(bytes.data() + kHeaderBytes);
  for (uint32_t row = 0; row < height; ++row) {
    const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(static_cast<int>(height - 1 - row)));
    uint8_t* to = out + size_t(row) * rowBytes;
    for (uint32_t column = 0; column < width; ++column) {
      const QRgb pixel = from[column];
      to[0] = static_cast<uint8_t>(pixel);
      to[1] = static_cast<uint8_t>(pixel >> 8);
      to[2] = static_cast<uint8_t>(pixel >> 16);
      to += 3;
    }
  }
  return bytes;
}

PictureFormat formatOf(std::string_view b) {
  auto startsWith = [&](std::string_view signature) { return b.substr(0, signature.size()) == signature; };
  if (startsWith("BM")) return PictureFormat::Bitmap;
  if (startsWith("\x89PNG\r\n\x1a\n")) return PictureFormat::Png;
  if (startsWith("\xFF\xD8\xFF")) return PictureFormat::Jpeg;
  if (startsWith("GIF87a") || startsWith("GIF89a")) return PictureFormat::Gif;
  return PictureFormat::Unknown;
}

bool drawWithKeyColour(QImage& surface, const QImage& picture, int x, int y, QRgb key) {
  if (surface.isNull() || picture.isNull()) return false;
  const QRect area = QRect(x, y, picture.width(), picture.height()).intersected(surface.rect());
  if (area.isEmpty()) return false;
  const QImage source = toSurfaceFormat(picture);
  key &= 0xFFFFFFu;
  const int width = area.width();
  auto sourceRow = [&](int row) { return reinterpret_cast<const QRgb*>(source.constScanLine(row - y)) + (area.left() - x); };
  // Rows the picture leaves as they are are only read.
  const QImage& shown = surface;
  int row = area.top();
  for (; row <= area.bottom(); ++row) {
    const QRgb* from = sourceRow(row);
    const auto* to = reinterpret_cast<const QRgb*>(shown.constScanLine(row)) + area.left();
    bool same = true;
    for (int i = 0; i < width; ++i) same &= (from[i] & 0xFFFFFFu) == key || (from[i] | 0xFF000000u) == to[i];
    if (!same) break;
  }
  if (row > area.bottom()) return false;
  for (; row <= area.bottom(); ++row) {
    const QRgb* __restrict from = sourceRow(row);
    QRgb* __restrict to = reinterpret_cast<QRgb*>(surface.scanLine(row)) + area.left();
    // Branch-free, so the compiler can do several pixels at a time.
    for (int i = 0; i < width; ++i) {
      const QRgb pixel = from[i];
      to[i] = (pixel & 0xFFFFFFu) == key ? to[i] : pixel | 0xFF000000u;
    }
  }
  return true;
}

}  // namespace graphics
