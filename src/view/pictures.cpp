// Picture loading and placement.
#include "view/pictures.h"

#include <algorithm>
#include <utility>

#include "base/text.h"
#include "graphics/picture_decoders.h"
#include "model/script_error.h"
#include "model/game.h"
#include "view/picture_cache.h"

namespace view {
namespace {

// Decodes every format the name names, in order, into the picture. storage is
// memory a decoder may reuse; it never shows through.
void readFormats(const std::optional<std::filesystem::path>& path, const std::string& name, QImage& picture,
                 QImage storage) {
  if (base::contains(name, ".png")) {
    graphics::PngError error;
    QImage png = graphics::decodePng(path, picture, error);
    if (error == graphics::PngError::CannotOpen) throw model::ScriptError("Error Opening File " + name + "!");
    if (error == graphics::PngError::CannotRead) throw model::ScriptError("Error Reading File!");
    picture = std::move(png);
  }
  if (!path) return;
  if (base::contains(name, ".jpg"))
    if (auto jpeg = graphics::decodeJpeg(*path, std::move(storage))) picture = std::move(*jpeg);
  if (base::contains(name, ".bmp"))
    if (auto bitmap = graphics::decodeBmp(*path)) picture = std::move(*bitmap);
  if (base::contains(name, ".gif"))
    if (auto gif = graphics::decodeGif(*path)) picture = std::move(*gif);
}

}  // namespace

bool isPictureName(const std::string& name) {
  for (const char* extension : {".gif", ".png", ".jpg", ".bmp"})
    if (base::contains(name, extension)) return true;
  return false;
}

void loadPicture(model::Game& game, const std::string& name, graphics::SurfaceId surface) {
  auto& surfaces = game.surfaces;
  const auto path = game.folders.dataFolder.find(name);
  if (!path) game.debug.logDebug("N\xE3o encontrei arquivo: " + name);

  std::optional<graphics::SurfaceId> buffer;
  if (name.empty()) {
    surfaces.image(surface) = QImage();
  } else {
    graphics::SurfaceId into = surface;
    if (surface == graphics::SurfaceId::Tela || surface == graphics::SurfaceId::TelCmd) {
      buffer = surface == graphics::SurfaceId::Tela ? graphics::SurfaceId::BufTela : graphics::SurfaceId::BufFunc;
      into = graphics::SurfaceId::BufShp;
    }
    QImage& picture = surfaces.image(into);
    // The scratch surface starts empty: a broken file must not bring back the
    // previous picture, and clear PNG pixels must not show its leftovers. Its
    // memory may still be reused by a decoder that fills every pixel.
    QImage storage;
    if (into == graphics::SurfaceId::BufShp) storage = std::exchange(picture, QImage());
    // Over an empty surface the picture is the file's alone, so the same file
    // gives the same picture: it is decoded once. (A PNG over a picture mixes
    // its clear pixels with it and is decoded every time.)
    if (picture.isNull() && path)
      picture = decodedOnce(*path, name, [&] {
        QImage decoded;
        readFormats(path, name, decoded, std::move(storage));
        return decoded;
      });
    else
      readFormats(path, name, picture, std::move(storage));
  }
  game.host.processEvents();
  if (buffer) graphics::drawTransparent(surfaces.image(*buffer), surfaces.BufShp, 0, 0);
}

QImage& telMod3(model::Game& game) {
  QImage& page = game.surfaces.TelMod3;
  if (page.isNull()) page = graphics::makeSurface(650, 390, game.surfaces.canvas.TelMod3.brush);
  return page;
}

void setTelMod3Height(model::Game& game, int height) {
  QImage& page = telMod3(game);
  graphics::resizeSurface(page, page.width(), height, game.surfaces.canvas.TelMod3.brush);
  game.host.repaint();
}

void placePicture(model::Game& game, const std::string& name, int x, int y, int w, int h, graphics::SurfaceId target) {
  auto& surfaces = game.surfaces;
  x = graphics::clampCoordinate(x), y = graphics::clampCoordinate(y), w = graphics::clampCoordinate(w), h = graphics::clampCoordinate(h);
  game.textProduced(platform::TextSink::Picture, name);  // front ends without pictures name it
  loadPicture(game, name, graphics::SurfaceId::BufShp);
  const QImage& picture = surfaces.BufShp;
  if (w == 0) w = picture.width();
  if (h == 0) h = picture.height();
  if (target == graphics::SurfaceId::TelMod3) {
    const int64_t bottom = int64_t(y) + h;
    if (telMod3(game).height() < bottom) setTelMod3Height(game, static_cast<int>(std::min<int64_t>(bottom + 10, graphics::kMaxSurfaceSide)));
    game.screen.textY += picture.height();
  }
  QImage& surface = target == graphics::SurfaceId::Tela && game.screen.isStripMode() ? surfaces.BufTela
                    : target == graphics::SurfaceId::TelCmd                         ? surfaces.BufFunc
                                                                          : surfaces.image(target);
  if (w == picture.width() && h == picture.height())
    graphics::drawTransparent(surface, picture, x, y);
  else
    graphics::drawTransparentStretched(surface, picture, QRect(x, y, w, h));
}

}  // namespace view
