// Surface creation, resizing, filling and transparent drawing.
#include "graphics/surfaces.h"

#include <algorithm>
#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include <mutex>
#include <unordered_map>

#include "base/content_range.h"
#include "graphics/bitmap_file.h"

namespace graphics {
namespace {

bool isMagenta(QRgb pixel) { return (pixel & 0xFFFFFF) == (kMagenta & 0xFFFFFF); }

QRgb opaque(uint32_t colour) { return 0xFF000000u | (colour & 0xFFFFFF); }

// Whether every pixel of the picture (24-bit) is opaque and none is magenta:
// drawn over a whole surface of its size, such a picture is that surface. The
// answer is kept by the picture's cache key, which changes with its pixels, so
// a kept picture drawn on every location change is looked at once.
// Whether no pixel of the row is clear or magenta, four pixels at a time.
bool plainRow(const QRgb* row, int width) {
  int x = 0;
  unsigned clearOrKey = 0;
#ifdef __SSE2__
  const __m128i alpha = _mm_set1_epi32(static_cast<int>(0xFF000000u)), rgb = _mm_set1_epi32(0xFFFFFF),
                key = _mm_set1_epi32(static_cast<int>(kMagenta & 0xFFFFFFu));
  __m128i opaqueAll = _mm_set1_epi32(-1), keySeen = _mm_setzero_si128();
  for (; x + 4 <= width; x += 4) {
    const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x));
    opaqueAll = _mm_and_si128(opaqueAll, _mm_cmpeq_epi32(_mm_and_si128(pixels, alpha), alpha));
    keySeen = _mm_or_si128(keySeen, _mm_cmpeq_epi32(_mm_and_si128(pixels, rgb), key));
  }
  clearOrKey = unsigned(_mm_movemask_epi8(opaqueAll) != 0xFFFF) | unsigned(_mm_movemask_epi8(keySeen) != 0);
#endif
  for (; x < width; ++x) clearOrKey |= unsigned(row[x] < 0xFF000000u) | unsigned(isMagenta(row[x]));
  return clearOrKey == 0;
}

bool opaqueWithoutKeyColour(const QImage& picture) {
  static std::mutex mutex;
  static std::unordered_map<qint64, bool> known;
  {
    std::lock_guard lock(mutex);
    if (auto it = known.find(picture.cacheKey()); it != known.end()) return it->second;
  }
  const int width = picture.width(), height = picture.height();
  bool plain = true;
  for (int y = 0; y < height && plain; ++y) plain = plainRow(reinterpret_cast<const QRgb*>(picture.constScanLine(y)), width);
  std::lock_guard lock(mutex);
  if (known.size() >= 4096) known.clear();
  known[picture.cacheKey()] = plain;
  return plain;
}

}  // namespace

QImage& Surfaces::image(SurfaceId id) {
  switch (id) {
    case SurfaceId::Imp: return Imp;
    case SurfaceId::Tela: return Tela;
    case SurfaceId::BufTela: return BufTela;
    case SurfaceId::TelCmd: return TelCmd;
    case SurfaceId::BufFunc: return BufFunc;
    case SurfaceId::TelMod3: return TelMod3;
    case SurfaceId::Tela3: return Tela3;
    case SurfaceId::BufShp: return BufShp;
    case SurfaceId::Hud: return Hud;
    case SurfaceId::BkTel: return BkTel;
    case SurfaceId::btFim: return btFim;
  }
  return BufShp;
}

int clampCoordinate(int64_t value) { return base::coordinateInRange(value); }

bool acceptablePictureSize(int64_t width, int64_t height) {
  return width > 0 && height > 0 && width <= kMaxSurfaceSide && height <= kMaxSurfaceSide &&
         width * height <= kMaxPicturePixels;
}

QImage makeSurface(int width, int height, uint32_t colour) {
  QImage image(std::clamp(width, 1, kMaxSurfaceSide), std::clamp(height, 1, kMaxSurfaceSide), QImage::Format_RGB32);
  image.fill(opaque(colour));
  return image;
}

QImage toSurfaceFormat(const QImage& picture) {
  if (picture.isNull() || picture.format() == QImage::Format_RGB32) return picture;
  return picture.convertToFormat(QImage::Format_RGB32);
}

void resizeSurface(QImage& surface, int width, int height, uint32_t colour) {
  QImage resized = makeSurface(width, height, colour);
  if (!surface.isNull()) {
    const int rows = std::min(surface.height(), resized.height());
    const int bytes = std::min(surface.width(), resized.width()) * 4;
    const QImage source = toSurfaceFormat(surface);
    for (int y = 0; y < rows; ++y) std::copy_n(source.constScanLine(y), bytes, resized.scanLine(y));
  }
  surface = std::move(resized);
}

void fillSurface(QImage& surface, const QRect& area, uint32_t colour) {
  const QRect clipped = area.intersected(surface.rect());
  if (clipped.isEmpty()) return;
  const QRgb pixel = opaque(colour);
  for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(surface.scanLine(y));
    std::fill(row + clipped.left(), row + clipped.right() + 1, pixel);
  }
}

void fillSurface(QImage& surface, uint32_t colour) {
  if (!surface.isNull()) surface.fill(opaque(colour));
}

void drawTransparent(QImage& surface, const QImage& picture, int x, int y) {
  // A picture that covers the whole surface with no transparent pixel takes
  // its place: the surface shares its pixels, nothing is drawn or copied.
  if (x == 0 && y == 0 && !surface.isNull() && surface.size() == picture.size() &&
      surface.format() == QImage::Format_RGB32 && picture.format() == QImage::Format_RGB32 &&
      opaqueWithoutKeyColour(picture)) {
    surface = picture;
    return;
  }
  drawWithKeyColour(surface, picture, x, y, 0xFF00FFu);
}

void drawTransparentStretched(QImage& surface, const QImage& picture, const QRect& into) {
  if (surface.isNull() || picture.isNull() || into.width() <= 0 || into.height() <= 0) return;
  if (into.size() == picture.size()) return drawTransparent(surface, picture, into.x(), into.y());
  // Nearest-pixel scaling keeps magenta pixels exactly magenta.
  const QRect visible = into.intersected(surface.rect());
  if (visible.isEmpty()) return;
  const QImage source = toSurfaceFormat(picture);
  for (int row = visible.top(); row <= visible.bottom(); ++row) {
    const int sourceRow = static_cast<int>(static_cast<int64_t>(row - into.y()) * source.height() / into.height());
    const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(sourceRow));
    auto* to = reinterpret_cast<QRgb*>(surface.scanLine(row));
    for (int column = visible.left(); column <= visible.right(); ++column) {
      const int sourceColumn =
          static_cast<int>(static_cast<int64_t>(column - into.x()) * source.width() / into.width());
      const QRgb pixel = from[sourceColumn];
      if (!isMagenta(pixel)) to[column] = pixel | 0xFF000000u;
    }
  }
}

}  // namespace graphics
