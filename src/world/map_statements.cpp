// Map statements. A number that is not one counts as 0.
#include "world/map_statements.h"

#include "base/content_range.h"
#include "base/number.h"
#include "graphics/bitmap_file.h"
#include "model/dispatch.h"
#include "model/script_error.h"
#include "model/argument_words.h"
#include "model/game.h"
#include "view/map_page.h"
#include "view/map_window.h"
#include "view/pictures.h"
#include "world/saved_map.h"

namespace world {
namespace {

using model::Statement;

// Every number of the map statements is a position or a size in pixels.
int number(const std::string& text) { return base::coordinateOr(text, 0); }

// loadmap= picture, saved map: the picture, then the saved map in its place
// when there is one. A saved map that cannot be read leaves the picture and is
// noted in the debug log.
void loadMap(model::Game& game, Statement& s) {
  auto& map = game.map;
  const std::string& picture = s.arg(1);
  if (picture.empty()) {
    map.MapJog = QImage();
  } else {
    view::loadPicture(game, picture, graphics::SurfaceId::BufShp);
    if (!game.surfaces.BufShp.isNull()) map.MapJog = game.surfaces.BufShp;
  }
  map.mapInFile.clear();
  const std::string& saved = s.arg(2);
  if (saved.empty()) return;
  if (map.unsavedMap && game.folders.dataFolder.pathForWriting(saved) == map.unsavedMap->file) {
    // Drawn in this run and not on the disk yet: the map as it was drawn.
    map.MapJog = map.unsavedMap->picture;
    map.mapInFile = map.unsavedMap->file;
  } else if (auto path = game.folders.dataFolder.find(saved)) {
    if (auto savedMap = readSavedMap(*path)) {
      map.MapJog = std::move(*savedMap);
      map.mapInFile = *path;
    } else {
      game.debug.logDebug("N\xE3o consegui ler o mapa salvo: " + saved);
    }
  }
  game.host.repaint();
}

// addmap= x, y, piece, saved map: the piece drawn on the map with the colour
// of its bottom-left pixel left out, and the whole map saved with the run's
// other files. The file name is checked first, so a run that cannot save
// changes nothing. A piece already on a map that the file holds writes nothing.
void addToMap(model::Game& game, Statement& s) {
  auto& map = game.map;
  const std::string& saved = s.arg(4);
  if (saved.empty()) throw model::ScriptError("addmap=: falta o nome do arquivo do mapa salvo");
  const auto path = game.folders.dataFolder.pathForWriting(saved);
  if (!path) throw model::ScriptError("addmap=: o mapa s\xF3 pode ser salvo na pasta do jogo (" + saved + ")");
  if (map.MapJog.isNull())
    throw model::ScriptError("addmap=: n\xE3o h\xE1 mapa carregado (loadmap= vem antes de addmap=)");
  view::loadPicture(game, s.arg(3), graphics::SurfaceId::BufShp);
  const QImage& piece = game.surfaces.BufShp;
  const bool changed = !piece.isNull() && graphics::drawWithKeyColour(map.MapJog, piece, number(s.arg(1)), number(s.arg(2)),
                                                                      piece.pixel(0, piece.height() - 1));
  game.host.repaint();
  map.savedFile = saved;
  std::error_code ignored;
  if (map.mapInFile == *path && !changed && std::filesystem::exists(*path, ignored)) return;
  // A map drawn for another file in the same run goes to its file first.
  if (map.unsavedMap && map.unsavedMap->file != *path && !writeSavedMap(map.unsavedMap->file, map.unsavedMap->picture))
    throw model::ScriptError("addmap=: n\xE3o consegui gravar " + map.unsavedMap->file.filename().string());
  map.unsavedMap = model::MapState::UnsavedMap{*path, map.MapJog};
  map.mapInFile = *path;
}

// defpicmap= target, x, y, width, height
void defineMapWindow(model::Game& game, Statement& s) {
  auto& map = game.map;
  map.windowTarget = s.arg(1);
  map.windowX = number(s.arg(2));
  map.windowY = number(s.arg(3));
  map.windowWidth = number(s.arg(4));
  map.windowHeight = number(s.arg(5));
}

// picmap= map x, map y: an empty value keeps the origin's.
void drawMapWindow(model::Game& game, Statement& s) {
  auto& map = game.map;
  if (!s.arg(1).empty()) map.originX = number(s.arg(1));
  if (!s.arg(2).empty()) map.originY = number(s.arg(2));
  view::drawMapWindow(game);
}

void showMap(model::Game& game, Statement& s) {
  const auto shown = model::argument<'e'>(s, 1);
  if (shown == model::Switch::On)
    view::openMapPage(game);
  else if (shown == model::Switch::Off)
    view::closeMapPage(game);
}

// posmap= marker left, marker top, horizontal scroll, vertical scroll
void mapOpeningView(model::Game& game, Statement& s) {
  auto& map = game.map;
  map.openMarkerX = number(s.arg(1));
  map.openMarkerY = number(s.arg(2));
  map.openScrollX = number(s.arg(3));
  map.openScrollY = number(s.arg(4));
}

}  // namespace

void registerMapStatements(model::Dispatch& dispatch) {
  static const model::StatementRow rows[] = {
      {"loadmap=", {}, loadMap, {{"pM", 1}},
       "`picture, saved map`. Loads the map picture, or the saved map file when it exists."},
      {"defpicmap=", {}, defineMapWindow, {{"tjjjj", 5}},
       "`target, x, y, width, height`. Defines the map window on `tel`, `fnc` or `pan`."},
      {"picmap=", {}, drawMapWindow, {{"jj", 0}},
       "`map x, map y`."},
      {"showmap", {"showmap="}, showMap, {{"e", 1}},
       "`on` or `off`. Opens or closes the map page."},
      {"posmap=", {}, mapOpeningView, {{"jjjj", 0}},
       "`marker x, marker y, scroll x, scroll y`. Where the map page opens from the map window."},
      {"addmap=", {}, addToMap, {{"iipM", 4}},
       "`x, y, picture, saved map`."},
  };
  dispatch.add(rows);
}

}  // namespace world
