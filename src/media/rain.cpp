// The rain effect. The drops layer never moves in memory: the rows it has
// fallen are an offset into it, so a tick is one pass over the picture plus
// the HUD, with no file access.
#include "media/rain.h"

#include <algorithm>
#include <cstring>
#include <utility>
#if defined(__x86_64__) || defined(__SSE2__)
#include <immintrin.h>
#endif

#include "model/script_error.h"
#include "model/game.h"
#include "graphics/surfaces.h"
#include "view/picture_cache.h"

namespace media {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

// A rain picture from the game folder, as a 24-bit surface.
QImage readRainPicture(model::Game& game, const std::string& name) {
  const auto path = game.folders.dataFolder.find(name);
  if (!path) {
    game.debug.logDebug("N\xE3o encontrei arquivo: " + name);
    throw model::ScriptError("n\xE3o encontrei o arquivo " + name);
  }
  // Every start of the rain reads the same two pictures: they are decoded once.
  QImage picture = view::decodedOnce(*path, "rain", [&] {
    QImage read(QString::fromStdString(path->string()));
    return read.isNull() ? read : graphics::toSurfaceFormat(read);
  });
  if (picture.isNull() || picture.width() > graphics::kMaxSurfaceSide || picture.height() > graphics::kMaxSurfaceSide)
    throw model::ScriptError("n\xE3o consegui ler a imagem " + name);
  return picture;
}

// A surface of the given size showing the picture at its top-left corner, the
// rest of it in the colour (0xRRGGBB). A picture of that size is that surface
// (shared, not copied).
QImage framed(const QImage& picture, int width, int height, uint32_t colour) {
  if (picture.size() == QSize(width, height) && picture.format() == QImage::Format_RGB32) return picture;
  QImage layer = graphics::makeSurface(width, height, colour);
  const int w = std::min(width, picture.width());
  for (int y = 0; y < std::min(height, picture.height()); ++y)
    std::memcpy(layer.scanLine(y), picture.constScanLine(y), static_cast<size_t>(w) * sizeof(QRgb));
  return layer;
}

// The scene layer of a tick is the background, or with a mask Msk2 built as
// the background with the mask's covering pixels over it. Those covering
// pixels are tagged with the alpha byte FE (the pictures' own pixels are FF),
// so a tick reads two layers: the scene shows where it is tagged or where the
// drops are magenta, the drops elsewhere.
constexpr QRgb kOpaque = 0xFF000000;
constexpr QRgb kCovering = 0xFE000000;

inline QRgb framePixel(QRgb scene, QRgb drop) {
  const bool showScene = (scene & kOpaque) != kOpaque || drop == graphics::kMagenta;
  const QRgb pick = QRgb(0) - QRgb(showScene);  // all ones where the scene shows
  return ((scene | kOpaque) & pick) | (drop & ~pick);
}

// One row of a frame from the scene and the drops.
using RowComposer = void (*)(const QRgb*, const QRgb*, QRgb*, int);

void composeRowPlain(const QRgb* __restrict scene, const QRgb* __restrict rain, QRgb* __restrict out, int width) {
  int x = 0;
#if defined(__SSE2__)
  // Four pixels at a time, with the same choice as framePixel.
  const __m128i key = _mm_set1_epi32(static_cast<int>(graphics::kMagenta));
  const __m128i opaque = _mm_set1_epi32(static_cast<int>(kOpaque));
  const __m128i ones = _mm_set1_epi32(-1);
  for (; x + 4 <= width; x += 4) {
    const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(scene + x));
    const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rain + x));
    const __m128i open = _mm_cmpeq_epi32(_mm_and_si128(s, opaque), opaque);
    const __m128i pick = _mm_or_si128(_mm_andnot_si128(open, ones), _mm_cmpeq_epi32(d, key));
    const __m128i pixels = _mm_or_si128(_mm_and_si128(pick, _mm_or_si128(s, opaque)), _mm_andnot_si128(pick, d));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), pixels);
  }
#endif
  for (; x < width; ++x) out[x] = framePixel(scene[x], rain[x]);
}

#if defined(__x86_64__) && defined(__GNUC__)
// Eight pixels at a time where the processor has AVX2. Its instructions also
// spare the penalty legacy SSE code pays after library code left the wide
// registers in use.
__attribute__((target("avx2"))) void composeRowAvx2(const QRgb* __restrict scene, const QRgb* __restrict rain,
                                                    QRgb* __restrict out, int width) {
  const __m256i key = _mm256_set1_epi32(static_cast<int>(graphics::kMagenta));
  const __m256i opaque = _mm256_set1_epi32(static_cast<int>(kOpaque));
  const __m256i ones = _mm256_set1_epi32(-1);
  int x = 0;
  for (; x + 8 <= width; x += 8) {
    const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(scene + x));
    const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(rain + x));
    const __m256i open = _mm256_cmpeq_epi32(_mm256_and_si256(s, opaque), opaque);
    const __m256i pick = _mm256_or_si256(_mm256_andnot_si256(open, ones), _mm256_cmpeq_epi32(d, key));
    const __m256i pixels =
        _mm256_or_si256(_mm256_and_si256(pick, _mm256_or_si256(s, opaque)), _mm256_andnot_si256(pick, d));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x), pixels);
  }
  for (; x < width; ++x) out[x] = framePixel(scene[x], rain[x]);
}
#endif

RowComposer rowComposer() {
#if defined(__x86_64__) && defined(__GNUC__)
  static const RowComposer best = __builtin_cpu_supports("avx2") ? composeRowAvx2 : composeRowPlain;
  return best;
#else
  return composeRowPlain;
#endif
}

// Msk2: the background with the mask over it, white in the mask showing the
// background; the covering pixels tagged.
QImage maskedScene(const QImage& background, const QImage& mask) {
  QImage scene = background.copy();
  const int width = std::min(scene.width(), mask.width());
  for (int y = 0; y < std::min(scene.height(), mask.height()); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
    auto* to = reinterpret_cast<QRgb*>(scene.scanLine(y));
    for (int x = 0; x < width; ++x) {
      if (from[x] == kWhite) to[x] = (to[x] & ~kOpaque) | kCovering;
      else if (from[x] != graphics::kMagenta) to[x] = (from[x] & ~kOpaque) | kCovering;
    }
  }
  return scene;
}

void startTimer(model::Game& game) {
  auto& rain = game.media.rain;
  rain.timer = game.host.startTimer(rain.rainInterval, [&game] { rainTick(game); });
}

}  // namespace

void composeRainFrame(const QImage& scene, const QImage& drops, int fallen, QImage& frame) {
  const int width = scene.width(), height = scene.height();
  const qsizetype line = scene.bytesPerLine();
  const uchar* under = scene.constBits();
  const uchar* rain = drops.constBits();
  uchar* out = frame.bits();
  const RowComposer composeRow = rowComposer();
  for (int y = 0; y < height; ++y) {
    int dropRow = y - fallen;
    if (dropRow < 0) dropRow += height;
    composeRow(reinterpret_cast<const QRgb*>(under + y * line), reinterpret_cast<const QRgb*>(rain + dropRow * line),
               reinterpret_cast<QRgb*>(out + y * line), width);
  }
}

void startRain(model::Game& game) {
  auto& rain = game.media.rain;
  if (rain.rainPicture.empty()) return;
  // Both pictures are read first: a missing one aborts before anything changes.
  QImage mask;
  if (!rain.rainMask.empty()) mask = readRainPicture(game, rain.rainMask);
  const QImage drops = readRainPicture(game, rain.rainPicture);

  stopRain(game);
  auto& f = game.surfaces;
  const int width = std::clamp(game.screen.Tela.width, 1, graphics::kMaxSurfaceSide);
  const int height = std::clamp(game.screen.Tela.height, 1, graphics::kMaxSurfaceSide);
  // The layers share the pictures' pixels; the masked scene and the frame are
  // made by the first tick, so a rain nobody sees a frame of (the terminal, a
  // run that follows at once) costs no pass over the pixels.
  f.BkTel = framed(f.BufTela, width, height, 0);
  f.Msk2 = mask.isNull() ? f.BkTel : QImage();
  rain.maskToApply = mask;
  f.Msk1 = framed(drops, width, height, 0xFF00FF);
  f.BfDst = QImage();
  rain.fallen = 0;
  startTimer(game);
}

void setRainInterval(model::Game& game, int milliseconds) {
  auto& rain = game.media.rain;
  rain.rainInterval = milliseconds;
  if (!rain.running()) return;
  stopRain(game);
  startTimer(game);
}

void stopRain(model::Game& game) {
  auto& rain = game.media.rain;
  if (rain.timer) game.host.stopTimer(rain.timer);
  rain.timer = 0;
}

void stopRainForRun(model::Game& game) {
  stopRain(game);
  game.media.rain.rainMask.clear();
}

void rainTick(model::Game& game) {
  auto& rain = game.media.rain;
  auto& f = game.surfaces;
  const int height = f.BkTel.height();
  if (height == 0) return;
  if (!rain.maskToApply.isNull()) f.Msk2 = maskedScene(f.BkTel, std::exchange(rain.maskToApply, QImage()));
  if (f.BfDst.size() != f.BkTel.size()) f.BfDst = graphics::makeSurface(f.BkTel.width(), height);
  composeRainFrame(rain.rainMask.empty() ? f.BkTel : f.Msk2, f.Msk1, rain.fallen, f.BfDst);
  rain.fallen = ((rain.fallen + rain.rainStep) % height + height) % height;
  const auto& screen = game.screen;
  if (screen.hudOn) graphics::drawTransparent(f.BfDst, f.Hud, screen.hudX, screen.hudY);
  // The frame becomes Tela; the last frame is composed over next (the window
  // has let go of it by then, so no pixels are copied).
  std::swap(f.Tela, f.BfDst);
  game.host.repaint();
}

}  // namespace media
