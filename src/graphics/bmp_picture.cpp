// BMP decoding, our own reader of every layout the Windows bitmap loader reads:
// the OS/2 1.x and 2.x headers and the Windows headers up to V5, palettes of
// 1, 2, 4 and 8 bits (short palettes too), RLE4 and RLE8, 16, 24 and 32 bits
// with or without bit fields of any width, bottom-up and top-down rows.
// 64-bit files (which the platform's loader refuses), JPEG, PNG and Huffman
// compressed files are refused like a broken file.
//
// Pixels a file does not give (skipped by RLE codes, after an early end of the
// bitmap, the rows of a file cut short) take the value of a freshly created
// bitmap, which the platform fills with zero bytes: palette index 0 for
// palette pictures (its colour, whatever the palette says it is), black for
// the others. So one file always decodes to the same picture, and never shows
// memory that was not written.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "graphics/picture_decoders.h"

namespace graphics {
namespace {

constexpr size_t kFileHeaderBytes = 14;
// Enough for the largest header, its bit fields and a full palette.
constexpr size_t kLeadingBytes = kFileHeaderBytes + 124 + 16 + 256 * 4;

enum Compression : uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, AlphaBitFields = 6 };

struct Bytes {
  std::string_view data;

  uint32_t at(size_t offset, int count) const {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
      value = (value << 8) | (offset + i < data.size() ? static_cast<uint8_t>(data[offset + i]) : 0u);
    return value;
  }
  uint32_t u16(size_t offset) const { return at(offset, 2); }
  uint32_t u32(size_t offset) const { return at(offset, 4); }
  bool has(size_t offset, size_t count) const { return offset <= data.size() && count <= data.size() - offset; }
};

// One colour channel of a direct-colour pixel: its bits, scaled so the largest
// value the mask holds is 255.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  uint32_t max = 0;

  explicit Channel(uint32_t m = 0) : mask(m), shift(m ? std::countr_zero(m) : 0), max(m ? m >> shift : 0) {}
  int value(uint32_t pixel) const {
    return max ? static_cast<int>(uint64_t((pixel & mask) >> shift) * 255 / max) : 0;
  }
};

// What the headers say: the size, the pixel layout and where the pixels are.
struct Layout {
  int width = 0, height = 0;
  bool topDown = false;
  int bits = 0;
  uint32_t compression = Rgb;
  std::array<Channel, 3> channels;  // red, green, blue of direct-colour pixels
  std::vector<QRgb> palette;        // always 2^bits entries for palette pictures, the missing ones black
  size_t pixelsAt = 0;
  uint64_t rowBytes = 0;
};

bool isPalette(int bits) { return bits == 1 || bits == 2 || bits == 4 || bits == 8; }

std::optional<Layout> readLayout(Bytes file) {
  if (!file.has(0, kFileHeaderBytes + 12) || file.data[0] != 'B' || file.data[1] != 'M') return std::nullopt;
  const uint32_t headerBytes = file.u32(14);
  const size_t h = kFileHeaderBytes;
  Layout layout;
  int64_t width = 0, height = 0;
  const bool oldOs2 = headerBytes == 12;
  if (oldOs2) {  // OS/2 1.x: 16-bit sizes, rows always bottom up, 3-byte palette entries
    width = file.u16(h + 4);
    height = file.u16(h + 6);
    layout.bits = static_cast<int>(file.u16(h + 10));
  } else if (headerBytes >= 16 && headerBytes <= 124) {
    // Windows headers and OS/2 2.x (16 to 64 bytes): the fields a short header leaves out read as zero.
    const Bytes header{file.data.substr(0, h + headerBytes)};
    width = static_cast<int32_t>(header.u32(h + 4));
    height = static_cast<int32_t>(header.u32(h + 8));
    layout.bits = static_cast<int>(header.u16(h + 14));
    layout.compression = header.u32(h + 16);
  } else {
    return std::nullopt;
  }
  if (height < 0) {
    layout.topDown = true;
    height = -height;
  }
  if (!acceptablePictureSize(width, height)) return std::nullopt;
  layout.width = static_cast<int>(width);
  layout.height = static_cast<int>(height);

  const int bits = layout.bits;
  switch (layout.compression) {
    case Rgb:
      if (!isPalette(bits) && bits != 16 && bits != 24 && bits != 32) return std::nullopt;
      break;
    case Rle8:
      if (bits != 8) return std::nullopt;
      break;
    case Rle4:
      if (bits != 4) return std::nullopt;
      break;
    case BitFields:
    case AlphaBitFields:
      if (bits != 16 && bits != 32) return std::nullopt;
      break;
    default: return std::nullopt;  // JPEG, PNG, OS/2 RLE24 and Huffman
  }

  // Bit fields: inside a V2 or later header, or right after a 40-byte one.
  size_t paletteAt = h + headerBytes;
  std::array<uint32_t, 3> masks = {0x7C00, 0x03E0, 0x001F};  // 16 bits without fields: 5-5-5
  if (bits == 32) masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
  if (layout.compression == BitFields || layout.compression == AlphaBitFields) {
    const size_t masksAt = h + std::min<uint32_t>(headerBytes, 40);
    for (size_t i = 0; i < 3; ++i) masks[i] = file.u32(masksAt + 4 * i);
    if (headerBytes < 52) paletteAt = masksAt + (layout.compression == AlphaBitFields ? 16 : 12);
  }
  for (size_t i = 0; i < 3; ++i) layout.channels[i] = Channel(masks[i]);

  const uint32_t declaredOffset = file.u32(10);
  if (isPalette(bits)) {
    const size_t entryBytes = oldOs2 ? 3 : 4;
    size_t entries = size_t(1) << bits;
    const uint32_t coloursUsed = oldOs2 || headerBytes < 36 ? 0 : file.u32(h + 32);
    if (coloursUsed > 0 && coloursUsed < entries) entries = coloursUsed;
    // A short palette ends where the pixels begin.
    if (declaredOffset > paletteAt) entries = std::min<size_t>(entries, (declaredOffset - paletteAt) / entryBytes);
    layout.palette.assign(size_t(1) << bits, qRgb(0, 0, 0));
    for (size_t i = 0; i < entries && file.has(paletteAt + i * entryBytes, 3); ++i) {
      const size_t at = paletteAt + i * entryBytes;
      layout.palette[i] = qRgb(file.u32(at + 2) & 0xFF, file.u32(at + 1) & 0xFF, file.u32(at) & 0xFF);
    }
    paletteAt += entries * entryBytes;
  }
  // Some writers leave the offset zero or pointing into the headers: the pixels then follow the palette.
  layout.pixelsAt = declaredOffset >= paletteAt ? declaredOffset : paletteAt;
  layout.rowBytes = (uint64_t(layout.width) * bits + 31) / 32 * 4;
  return layout;
}

// The surface row a row of the file goes to.
int surfaceRow(const Layout& layout, int fileRow) { return layout.topDown ? fileRow : layout.height - 1 - fileRow; }

QRgb directColour(const Layout& layout, uint32_t pixel) {
  return qRgb(layout.channels[0].value(pixel), layout.channels[1].value(pixel), layout.channels[2].value(pixel));
}

void decodeRows(Bytes file, const Layout& layout, QImage& picture) {
  std::string row(layout.rowBytes, '\0');
  const int bits = layout.bits;
  for (int fileRow = 0; fileRow < layout.height; ++fileRow) {
    // The part of the row the file holds; a file cut short leaves zero bytes.
    const uint64_t start = layout.pixelsAt + uint64_t(fileRow) * layout.rowBytes;
    std::fill(row.begin(), row.end(), '\0');
    if (start < file.data.size())
      file.data.copy(row.data(), std::min<uint64_t>(layout.rowBytes, file.data.size() - start), start);
    const Bytes bytes{row};
    auto* to = reinterpret_cast<QRgb*>(picture.scanLine(surfaceRow(layout, fileRow)));
    for (int x = 0; x < layout.width; ++x) {
      if (isPalette(bits)) {
        const uint64_t bit = uint64_t(x) * bits;
        const uint32_t byte = static_cast<uint8_t>(row[bit / 8]);
        const int index = (byte >> (8 - bits - bit % 8)) & ((1 << bits) - 1);
        to[x] = layout.palette[static_cast<size_t>(index)];
      } else if (bits == 24) {
        to[x] = qRgb(bytes.at(3 * size_t(x) + 2, 1), bytes.at(3 * size_t(x) + 1, 1), bytes.at(3 * size_t(x), 1));
      } else {
        to[x] = directColour(layout, bytes.at(size_t(x) * (bits / 8), bits / 8));
      }
    }
  }
}

// RLE8 and RLE4: runs of one index (RLE4: two alternating), literal runs,
// end of line, end of bitmap and delta codes. Pixels past the row's end are
// dropped; what no code reaches keeps index 0.
void decodeRunLengths(Bytes file, const Layout& layout, QImage& picture) {
  picture.fill(layout.palette[0]);
  const bool nibbles = layout.compression == Rle4;
  int x = 0, fileRow = 0;
  auto put = [&](int index) {
    if (x < layout.width && fileRow < layout.height)
      reinterpret_cast<QRgb*>(picture.scanLine(surfaceRow(layout, fileRow)))[x] =
          layout.palette[static_cast<size_t>(index)];
    ++x;
  };
  size_t at = layout.pixelsAt;
  while (fileRow < layout.height && file.has(at, 2)) {
    const uint32_t count = file.u32(at) & 0xFF, value = file.u32(at + 1) & 0xFF;
    at += 2;
    if (count > 0) {
      const uint32_t drawn = std::min<uint32_t>(count, static_cast<uint32_t>(std::max(0, layout.width - x)));
      for (uint32_t i = 0; i < drawn; ++i) put(nibbles ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
      if (drawn < count) x = layout.width;  // past the row's end: nothing more is drawn until the next line
    } else if (value == 0) {  // end of line
      x = 0;
      ++fileRow;
    } else if (value == 1) {  // end of bitmap
      break;
    } else if (value == 2) {  // delta: right and up (down the file's rows)
      if (!file.has(at, 2)) break;
      x = std::min(layout.width, x + static_cast<int>(file.u32(at) & 0xFF));
      fileRow += static_cast<int>(file.u32(at + 1) & 0xFF);
      at += 2;
    } else {  // a literal run of `value` pixels, its bytes padded to an even count
      const size_t bytes = nibbles ? (value + 1) / 2 : value;
      for (uint32_t i = 0; i < value && x < layout.width; ++i) {
        const uint32_t byte = file.u32(at + (nibbles ? i / 2 : i)) & 0xFF;
        put(nibbles ? (i % 2 == 0 ? byte >> 4 : byte & 0x0F) : byte);
      }
      at += bytes + (bytes & 1);
    }
  }
}

}  // namespace

std::optional<QImage> decodeBmpBytes(std::string_view bytes) {
  const Bytes file{bytes};
  const auto layout = readLayout(file);
  if (!layout) return std::nullopt;
  QImage picture(layout->width, layout->height, QImage::Format_RGB32);
  if (picture.isNull()) return std::nullopt;
  if (layout->compression == Rle8 || layout->compression == Rle4)
    decodeRunLengths(file, *layout, picture);
  else
    decodeRows(file, *layout, picture);
  return picture;
}

std::optional<QSize> declaredBmpSize(std::string_view leadingBytes) {
  const auto layout = readLayout(Bytes{leadingBytes});
  if (!layout) return std::nullopt;
  return QSize(layout->width, layout->height);
}

std::optional<QImage> decodeBmp(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::string bytes(kLeadingBytes, '\0');
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<size_t>(file.gcount()));
  const auto layout = readLayout(Bytes{bytes});
  if (!layout) return std::nullopt;
  // The rest of the file, as far as the pixels go: rows are read up to the
  // last one, run-length codes up to the most a decoder may hold.
  const bool runLengths = layout->compression == Rle8 || layout->compression == Rle4;
  const uint64_t wanted =
      runLengths ? layout->pixelsAt + uint64_t(kMaxDecoderMemory) : layout->pixelsAt + layout->rowBytes * layout->height;
  std::string chunk(1 << 20, '\0');
  while (bytes.size() < wanted && file) {
    file.read(chunk.data(), static_cast<std::streamsize>(std::min<uint64_t>(chunk.size(), wanted - bytes.size())));
    bytes.append(chunk.data(), static_cast<size_t>(file.gcount()));
  }
  return decodeBmpBytes(bytes);
}

}  // namespace graphics
