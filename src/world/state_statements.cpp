// reset, recall=, saveregs.
#include "world/state_statements.h"

#include <filesystem>

#include "model/dispatch.h"
#include "model/game.h"
#include "world/object_restore.h"

namespace world {
namespace {

void noEffect(model::Game&, model::Statement&) {}

// Registers 0 .. registerCount-1 emptied; one missing from the store aborts the
// run there. They reach the disk with the end of the run.
void resetRegisters(model::Game& game) {
  for (int32_t n = 0; n < game.registerCount; ++n) game.Regs.at(n).clear();
}

// The saved map picture, a file of the game folder only.
void deleteSavedMap(model::Game& game, const std::string& fileName) {
  if (fileName.empty()) return;
  auto& map = game.map;
  if (auto drawn = game.folders.dataFolder.pathForWriting(fileName)) {
    if (map.unsavedMap && map.unsavedMap->file == *drawn) map.unsavedMap.reset();
    if (map.mapInFile == *drawn) map.mapInFile.clear();
  }
  if (auto path = game.folders.dataFolder.find(fileName)) {
    std::error_code ignored;
    std::filesystem::remove(*path, ignored);
  }
}

// reset objs,name | reset regs | reset mapa,file
void reset(model::Game& game, model::Statement& s) {
  const std::string& what = s.arg(1);
  if (what == "objs")
    restoreObjects(game, s.arg(2));
  else if (what == "regs")
    resetRegisters(game);
  else if (what == "mapa")
    deleteSavedMap(game, s.arg(2));
}

}  // namespace

void registerGameStateStatements(model::Dispatch& dispatch) {
  static const model::StatementRow rows[] = {
      {"recall=", {"saveregs"}, noEffect, {{"", 0, true}},
       "Accepted and do nothing (the game is saved after every run anyway)."},
      {"reset", {}, reset, std::nullopt,
       "`objs, key` — restores every object (`key` empty or `todos`) or one object from its `.obj` file."},
  };
  dispatch.add(rows);
}

}  // namespace world
