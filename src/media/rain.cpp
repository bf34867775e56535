// The rain effect. The drops layer never moves in memory: the rows it has
// fallen are an offset into it, so a tick is one pass over the picture plus
// the HUD, with no file access.
#include "media/rain.h"

#include <algorithm>
#include <cstring>

#include "script/script_error.h"
#include "shell/game.h"
#include "view/surfaces.h"

namespace media {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

// A rain picture from the game folder, as a 24-bit surface.
QImage readRainPicture(shell::Game& game, const std::string& name) {
  const auto path = game.folders.dataFolder.find(name);
  if (!path) {
    game.debug.logDebug("N\xE3o encontrei arquivo: " + name);
    throw script::ScriptError("n\xE3o encontrei o arquivo " + name);
  }
  QImage picture(QString::fromStdString(path->string()));
  if (picture.isNull() || picture.width() > view::kMaxSurfaceSide || picture.height() > view::kMaxSurfaceSide)
    throw script::ScriptError("n\xE3o consegui ler a imagem " + name);
  return view::toSurfaceFormat(picture);
}

// Copies the picture's pixels over the surface from the top-left corner, except
// those of the key colour.
void drawKeyed(QImage& surface, const QImage& picture, QRgb key) {
  const int width = std::min(surface.width(), picture.width());
  const int height = std::min(surface.height(), picture.height());
  for (int y = 0; y < height; ++y) {
    const QRgb* from = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    QRgb* to = reinterpret_cast<QRgb*>(surface.scanLine(y));
    for (int x = 0; x < width; ++x) to[x] = from[x] == key ? to[x] : from[x];
  }
}

// A surface of the given size showing the picture at its top-left corner, the
// rest of it in the colour (0xRRGGBB).
QImage framed(const QImage& picture, int width, int height, uint32_t colour) {
  QImage layer = view::makeSurface(width, height, colour);
  const int w = std::min(width, picture.width());
  for (int y = 0; y < std::min(height, picture.height()); ++y)
    std::memcpy(layer.scanLine(y), picture.constScanLine(y), static_cast<size_t>(w) * sizeof(QRgb));
  return layer;
}

void startTimer(shell::Game& game) {
  auto& rain = game.media.rain;
  rain.timer = game.host.startTimer(rain.rainInterval, [&game] { rainTick(game); });
}

}  // namespace

void composeRainFrame(const QImage& background, const QImage& drops, int fallen, const QImage* masked, QImage& frame) {
  const int width = background.width(), height = background.height();
  const qsizetype line = background.bytesPerLine();
  const uchar* back = background.constBits();
  const uchar* rain = drops.constBits();
  const uchar* mask = masked ? masked->constBits() : nullptr;
  uchar* out = frame.bits();
  for (int y = 0; y < height; ++y) {
    int dropRow = y - fallen;
    if (dropRow < 0) dropRow += height;
    const auto* b = reinterpret_cast<const QRgb*>(back + y * line);
    const auto* d = reinterpret_cast<const QRgb*>(rain + dropRow * line);
    auto* o = reinterpret_cast<QRgb*>(out + y * line);
    if (mask) {
      const auto* m = reinterpret_cast<const QRgb*>(mask + y * line);
      for (int x = 0; x < width; ++x) {
        const QRgb p = d[x] == view::kMagenta ? b[x] : d[x];
        o[x] = m[x] == view::kMagenta ? p : m[x];
      }
    } else {
      for (int x = 0; x < width; ++x) o[x] = d[x] == view::kMagenta ? b[x] : d[x];
    }
  }
}

void startRain(shell::Game& game) {
  auto& rain = game.media.rain;
  if (rain.rainPicture.empty()) return;
  // Both pictures are read first: a missing one aborts before anything changes.
  QImage mask;
  if (!rain.rainMask.empty()) mask = readRainPicture(game, rain.rainMask);
  const QImage drops = readRainPicture(game, rain.rainPicture);

  stopRain(game);
  auto& f = game.surfaces;
  const int width = std::clamp(game.screen.Tela.width, 1, view::kMaxSurfaceSide);
  const int height = std::clamp(game.screen.Tela.height, 1, view::kMaxSurfaceSide);
  f.BkTel = framed(f.BufTela, width, height, 0);
  f.Msk2 = f.BkTel.copy();
  if (!mask.isNull()) drawKeyed(f.Msk2, mask, kWhite);
  f.Msk1 = framed(drops, width, height, 0xFF00FF);
  f.BfDst = view::makeSurface(width, height);
  rain.fallen = 0;
  startTimer(game);
}

void setRainInterval(shell::Game& game, int milliseconds) {
  auto& rain = game.media.rain;
  rain.rainInterval = milliseconds;
  if (!rain.running()) return;
  stopRain(game);
  startTimer(game);
}

void stopRain(shell::Game& game) {
  auto& rain = game.media.rain;
  if (rain.timer) game.host.stopTimer(rain.timer);
  rain.timer = 0;
}

void stopRainForRun(shell::Game& game) {
  stopRain(game);
  game.media.rain.rainMask.clear();
}

void rainTick(shell::Game& game) {
  auto& rain = game.media.rain;
  auto& f = game.surfaces;
  const int height = f.BkTel.height();
  if (height == 0) return;
  if (f.BfDst.size() != f.BkTel.size()) f.BfDst = view::makeSurface(f.BkTel.width(), height);
  composeRainFrame(f.BkTel, f.Msk1, rain.fallen, rain.rainMask.empty() ? nullptr : &f.Msk2, f.BfDst);
  rain.fallen = ((rain.fallen + rain.rainStep) % height + height) % height;
  const auto& screen = game.screen;
  if (screen.hudOn) view::drawTransparent(f.BfDst, f.Hud, screen.hudX, screen.hudY);
  // The frame becomes Tela; the last frame is composed over next (the window
  // has let go of it by then, so no pixels are copied).
  std::swap(f.Tela, f.BfDst);
  game.host.repaint();
}

}  // namespace media
