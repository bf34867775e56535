// Writing the game files.
#include "world/saved_state.h"

#include "base/cp1252.h"
#include "base/file_io.h"
#include "base/text_encoding.h"
#include "graphics/bitmap_file.h"
#include "model/game.h"
#include "world/register_file.h"

namespace world {
namespace {

// The files of one save, replaced together. A file the folder refuses (a name
// leading outside it) or a set that cannot be written is reported, never
// silently dropped, and then no file of the set is changed.
class GameSave {
 public:
  explicit GameSave(model::Game& game) : game_(game), set_(game.folders.dataFolder.root()) {}

  void add(const std::string& fileName, const base::Lines& lines) {
    auto path = game_.folders.dataFolder.pathForWriting(fileName);
    if (!path) refused_ = refused_.empty() ? fileName : refused_;
    else set_.add(*path, base::contentBytesFor(*path, lines));
  }
  void addOutsideTheResolver(const std::filesystem::path& path, const base::Lines& lines) {
    set_.add(path, base::contentBytesFor(path, lines));
  }
  // The map addmap= drew in the run, as a bitmap whatever the file's name.
  void addUnsavedMap() {
    if (!game_.map.unsavedMap) return;
    set_.add(game_.map.unsavedMap->file, graphics::encodeBitmap(game_.map.unsavedMap->picture));
    carriesMap_ = true;
  }

  void write() {
    std::string failed = refused_;
    if (failed.empty() && (set_.empty() || set_.commit(&failed))) {
      // The map is on the disk now; one that failed is tried again with the next save.
      if (carriesMap_) game_.map.unsavedMap.reset();
      return;
    }
    game_.host.errorBox("N\xE3o consegui gravar " + failed + ": o progresso do jogo n\xE3o foi salvo.");
  }

 private:
  model::Game& game_;
  base::FileSet set_;
  std::string refused_;
  bool carriesMap_ = false;
};

// Builds and writes one save; anything that goes wrong on the way is reported
// naming what was being saved, and never leaves the caller.
template <typename Fill>
void saveSeparately(model::Game& game, const std::string& what, Fill fill) noexcept {
  try {
    GameSave save(game);
    fill(save);
    save.write();
  } catch (const std::exception& error) {
    try {
      game.host.errorBox("N\xE3o consegui gravar " + what + ": " + error.what());
    } catch (...) {
      // Not even the message could be made; the other saves still go on.
    }
  }
}

bool gameInMemory(const model::Game& game) { return !game.folders.gameName.empty() && game.world.gameLoaded; }

}  // namespace

void saveAfterRun(model::Game& game) {
  GameSave save(game);
  // The map goes with the registers and objects: a map piece drawn in a run
  // and the run's registers reach the disk together.
  save.addUnsavedMap();
  // Before a game was loaded (or after a start that failed) the registers are
  // the built-in ones and the objects none: they must not replace the saved game.
  if (!gameInMemory(game)) {
    save.write();
    return;
  }
  // The position goes with the registers and objects, so a resume after a kill
  // is one moment of the game.
  game.writePositionRows();
  const std::string& gameName = game.folders.gameName;
  save.add(gameName + ".ini", game.Defs.rows());
  save.add(gameName + ".rgs", encodeRegisterFile(game.Regs.values()));
  save.add(gameName + ".obx", game.world.Objx);
  save.write();
}

void saveObjectTable(model::Game& game) {
  if (!gameInMemory(game)) return;
  GameSave save(game);
  save.add(game.folders.gameName + ".obx", game.world.Objx);
  save.write();
}

void saveAtShutDown(model::Game& game) {
  // The player's own table and the game's files are saved apart: a failure in
  // one (no memory left after a run that ran out of it) still saves the other.
  saveSeparately(game, "o arquivo de configura\xE7\xE3o do jogador", [&](GameSave& save) {
    save.addOutsideTheResolver(game.folders.exeFile(game.folders.exeBaseName + ".ini"), game.Defs.rows());
  });
  saveSeparately(game, "o mapa", [&](GameSave& save) { save.addUnsavedMap(); });
  if (!gameInMemory(game)) return;
  const std::string& gameName = game.folders.gameName;
  saveSeparately(game, gameName, [&](GameSave& save) {
    if (game.Defs.size() > 0) save.add(gameName + ".ini", game.Defs.rows());
    if (game.Regs.size() > 0) save.add(gameName + ".rgs", encodeRegisterFile(game.Regs.values()));
    if (!game.world.Objx.empty()) save.add(gameName + ".obx", game.world.Objx);
    if (!game.world.Objs.empty()) save.add(gameName + ".obz", game.world.Objs);
  });
}

std::vector<std::pair<std::string, std::string>> savedSetFiles(model::Game& game) {
  if (!gameInMemory(game)) return {};
  game.writePositionRows();
  const std::string& gameName = game.folders.gameName;
  std::vector<std::pair<std::string, base::Lines>> sets = {
      {gameName + ".ini", game.Defs.rows()},
      {gameName + ".rgs", encodeRegisterFile(game.Regs.values())},
      {gameName + ".obx", game.world.Objx}};
  if (!game.world.Objs.empty()) sets.emplace_back(gameName + ".obz", game.world.Objs);
  // Each in the encoding the game's own file has, as the saves write it.
  std::vector<std::pair<std::string, std::string>> files;
  for (auto& [name, lines] : sets) {
    auto path = game.folders.dataFolder.pathForWriting(name);
    files.emplace_back(name, path ? base::contentBytesFor(*path, lines) : base::joinLines(lines));
  }
  return files;
}

}  // namespace world
