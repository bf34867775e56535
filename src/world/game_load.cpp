// Game load.
#include "world/game_load.h"

#include <filesystem>

#include "base/cp1252.h"
#include "base/file_io.h"
#include "base/text_encoding.h"
#include "model/game.h"
#include "view/layout.h"
#include "world/key_order.h"
#include "world/register_file.h"

namespace world {

namespace row = model::row;

namespace {

// The largest table, register or object file a game may have: each is read
// whole and written back whole at every save.
constexpr std::uintmax_t kMaxGameFileBytes = std::uintmax_t(64) << 20;

// fetchFirst: on-line play fetches the file from the server before it is read.
base::Lines readGameFile(model::Game& game, const std::string& fileName, bool fetchFirst) {
  if (fetchFirst && game.resolveContentFile) game.resolveContentFile(fileName);
  auto path = game.folders.dataFolder.find(fileName);
  std::error_code error;
  if (path && std::filesystem::file_size(*path, error) > kMaxGameFileBytes && !error)
    throw GameLoadError("o arquivo " + fileName + " tem mais de " + std::to_string(kMaxGameFileBytes >> 20) +
                        " MB: n\xE3o \xE9 um arquivo do jogo.");
  auto lines = path ? base::readContentLines(*path) : std::nullopt;
  if (!lines)
    throw GameLoadError("n\xE3o consegui abrir o arquivo " + fileName + " em " +
                        base::pathToCp1252(game.folders.exeFolder) + ".");
  return std::move(*lines);
}

}  // namespace

void loadGame(model::Game& game, const std::string& name) {
  // On-line play (row 103) fetches each file before it is read; the game's own
  // table, once read, decides for the files after it.
  model::DefinitionsTable table =
      model::DefinitionsTable::fromFileRows(readGameFile(game, name + ".ini", game.Defs.isOn(row::OnlineGame)));
  const bool fetchFirst = table.isOn(row::OnlineGame);
  base::Lines registers = decodeRegisterFile(readGameFile(game, name + ".rgs", fetchFirst));
  base::Lines keys = sortedKeys(readGameFile(game, name + ".obz", fetchFirst));
  base::Lines objects = readGameFile(game, name + ".obx", fetchFirst);
  auto count = table.number(row::RegisterCount);
  if (!count)
    throw GameLoadError("a linha 6 de " + name + ".ini deve ser o n\xFAmero de registros, mas \xE9 \"" +
                        table.defsRow(row::RegisterCount) + "\".");

  game.Defs = std::move(table);
  game.Regs.values() = std::move(registers);
  game.world.Objs = std::move(keys);
  game.world.Objx = std::move(objects);
  game.world.gameLoaded = true;
  game.screen.outerPage = model::OuterPage::Default;

  game.registerCount = *count;
  game.readPositionRows();

  view::applyStartLayout(game);
}

}  // namespace world
