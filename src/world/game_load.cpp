// Game load.
#include "world/game_load.h"

#include "base/file_io.h"
#include "shell/game.h"
#include "view/layout.h"
#include "world/key_order.h"
#include "world/register_file.h"

namespace world {

namespace row = shell::row;

namespace {

base::Lines readGameFile(const shell::Game& game, const std::string& fileName) {
  auto path = game.folders.dataFolder.find(fileName);
  auto lines = path ? base::readTextLines(*path) : std::nullopt;
  if (!lines)
    throw GameLoadError("n\xE3o consegui abrir o arquivo " + fileName + " em " +
                        game.folders.exeFolder.string() + ".");
  return std::move(*lines);
}

base::Lines sortedKeys(const base::Lines& lines) {
  base::Lines keys;
  keys.reserve(lines.size());
  for (const auto& key : lines) insertKeySorted(keys, key);
  return keys;
}

}  // namespace

void loadGame(shell::Game& game, const std::string& name) {
  // On-line play (row 103) is to fetch each file from the server before it is
  // read, the table's own row deciding for the files after it; that call joins
  // the reads below when the on-line subsystem lands.
  shell::DefinitionsTable table;
  table.rows() = readGameFile(game, name + ".ini");
  base::Lines registers = decodeRegisterFile(readGameFile(game, name + ".rgs"));
  base::Lines keys = sortedKeys(readGameFile(game, name + ".obz"));
  base::Lines objects = readGameFile(game, name + ".obx");
  auto count = table.number(row::RegisterCount);
  if (!count)
    throw GameLoadError("a linha 6 de " + name + ".ini deve ser o n\xFAmero de registros, mas \xE9 \"" +
                        table.defsRow(row::RegisterCount) + "\".");

  game.Defs = std::move(table);
  game.Regs.values() = std::move(registers);
  game.world.Objs = std::move(keys);
  game.world.Objx = std::move(objects);
  game.world.gameLoaded = true;
  game.screen.outerPage = view::OuterPage::Default;

  game.registerCount = *count;
  game.readPositionRows();

  view::applyStartLayout(game);
}

}  // namespace world
