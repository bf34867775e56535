// Picture loading and placement.
#include "view/pictures.h"

#include <algorithm>
#include <utility>

#include "base/text.h"
#include "shell/game.h"
#include "view/picture_decoders.h"

namespace view {
namespace {

// Decodes every format the name names, in order, into the picture. storage is
// memory a decoder may reuse; it never shows through.
void readFormats(const std::optional<std::filesystem::path>& path, const std::string& name, QImage& picture,
                 QImage storage) {
  if (base::contains(name, ".png")) picture = decodePng(path, name, picture);
  if (!path) return;
  if (base::contains(name, ".jpg"))
    if (auto jpeg = decodeJpeg(*path, std::move(storage))) picture = std::move(*jpeg);
  if (base::contains(name, ".bmp")) {
    QImage bitmap;
    if (bitmap.load(QString::fromStdString(path->string()), "BMP")) picture = toSurfaceFormat(bitmap);
  }
  if (base::contains(name, ".gif"))
    if (auto gif = decodeGif(*path)) picture = std::move(*gif);
}

}  // namespace

bool isPictureName(const std::string& name) {
  for (const char* extension : {".gif", ".png", ".jpg", ".bmp"})
    if (base::contains(name, extension)) return true;
  return false;
}

void loadPicture(shell::Game& game, const std::string& name, SurfaceId surface) {
  auto& surfaces = game.surfaces;
  const auto path = game.folders.dataFolder.find(name);
  if (!path) game.debug.logDebug("N\xE3o encontrei arquivo: " + name);

  std::optional<SurfaceId> buffer;
  if (name.empty()) {
    surfaces.image(surface) = QImage();
  } else {
    SurfaceId into = surface;
    if (surface == SurfaceId::Tela || surface == SurfaceId::TelCmd) {
      buffer = surface == SurfaceId::Tela ? SurfaceId::BufTela : SurfaceId::BufFunc;
      into = SurfaceId::BufShp;
    }
    QImage& picture = surfaces.image(into);
    // The scratch surface starts empty: a broken file must not bring back the
    // previous picture, and clear PNG pixels must not show its leftovers. Its
    // memory may still be reused by a decoder that fills every pixel.
    QImage storage;
    if (into == SurfaceId::BufShp) storage = std::exchange(picture, QImage());
    readFormats(path, name, picture, std::move(storage));
  }
  game.host.processEvents();
  if (buffer) drawTransparent(surfaces.image(*buffer), surfaces.BufShp, 0, 0);
}

QImage& telMod3(shell::Game& game) {
  QImage& page = game.surfaces.TelMod3;
  if (page.isNull()) page = makeSurface(650, 390, game.surfaces.canvas.TelMod3.brush);
  return page;
}

void setTelMod3Height(shell::Game& game, int height) {
  QImage& page = telMod3(game);
  resizeSurface(page, page.width(), height, game.surfaces.canvas.TelMod3.brush);
  game.host.repaint();
}

void placePicture(shell::Game& game, const std::string& name, int x, int y, int w, int h, SurfaceId target) {
  auto& surfaces = game.surfaces;
  x = clampCoordinate(x), y = clampCoordinate(y), w = clampCoordinate(w), h = clampCoordinate(h);
  game.host.textProduced("picture", name);  // front ends without pictures name it
  loadPicture(game, name, SurfaceId::BufShp);
  const QImage& picture = surfaces.BufShp;
  if (w == 0) w = picture.width();
  if (h == 0) h = picture.height();
  if (target == SurfaceId::TelMod3) {
    const int64_t bottom = int64_t(y) + h;
    if (telMod3(game).height() < bottom) setTelMod3Height(game, static_cast<int>(std::min<int64_t>(bottom + 10, kMaxSurfaceSide)));
    game.screen.textY += picture.height();
  }
  QImage& surface = target == SurfaceId::Tela && game.screen.Modelo == "1" ? surfaces.BufTela
                    : target == SurfaceId::TelCmd                         ? surfaces.BufFunc
                                                                          : surfaces.image(target);
  if (w == picture.width() && h == picture.height())
    drawTransparent(surface, picture, x, y);
  else
    drawTransparentStretched(surface, picture, QRect(x, y, w, h));
}

}  // namespace view
