// Object restore from the .obj files.
#include "world/object_restore.h"

#include "base/file_io.h"
#include "base/text_encoding.h"
#include "model/script_error.h"
#include "model/game.h"
#include "world/object_table.h"
#include "world/saved_state.h"

namespace world {
namespace {

// The first 8 lines of <key>.obj; a file missing or too short aborts the run.
base::Lines pristineRecord(model::Game& game, const std::string& key) {
  const std::string fileName = key + ".obj";
  game.refreshBeforeReading(fileName);
  auto path = game.folders.dataFolder.find(fileName);
  auto lines = path ? base::readContentLines(*path) : std::nullopt;
  if (!lines) throw model::ScriptError("n\xE3o encontrei o objeto " + fileName);
  if (lines->size() < kRecordLines)
    throw model::ScriptError("o objeto " + fileName + " tem " + std::to_string(lines->size()) +
                              " linhas; um objeto tem " + std::to_string(kRecordLines));
  lines->resize(kRecordLines);
  return std::move(*lines);
}

base::Lines restoreAll(model::Game& game) {
  base::Lines table;
  table.reserve(game.world.Objs.size() * kRecordLines);
  for (const std::string& key : game.world.Objs) {
    base::Lines record = pristineRecord(game, key);
    table.insert(table.end(), record.begin(), record.end());
  }
  return table;
}

base::Lines restoreOne(model::Game& game, const std::string& key) {
  base::Lines record = pristineRecord(game, key);
  base::Lines table = game.world.Objx;
  const base::Lines& keys = game.world.Objs;
  for (size_t i = 0; i < keys.size(); ++i) {
    if (keys[i] != key) continue;
    if (i >= model::ObjectTable(table).wholeRecords())
      throw model::ScriptError("a tabela de objetos n\xE3o tem o registro de " + key +
                                " (arquivo .obx incompleto); use reset objs,todos");
    const size_t first = model::ObjectTable::lineIndex(i, Field::Key);
    std::copy(record.begin(), record.end(), table.begin() + static_cast<std::ptrdiff_t>(first));
  }
  return table;
}

}  // namespace

void restoreObjects(model::Game& game, const std::string& name) {
  bool all = name.empty() || name == "todos";
  game.world.Objx = all ? restoreAll(game) : restoreOne(game, name);
  saveObjectTable(game);
}

}  // namespace world
