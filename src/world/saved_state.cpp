// Writing the game files.
#include "world/saved_state.h"

#include "base/cp1252.h"
#include "base/file_io.h"
#include "shell/game.h"
#include "world/register_file.h"

namespace world {
namespace {

// A save that fails is reported, never silently dropped.
void save(shell::Game& game, const std::string& fileName, const base::Lines& lines) {
  auto path = game.folders.dataFolder.pathForWriting(fileName);
  if (!path || !base::writeTextLines(*path, lines))
    game.host.errorBox("N\xE3o consegui gravar " + fileName + ": o progresso do jogo n\xE3o foi salvo.");
}

}  // namespace

void saveAfterRun(shell::Game& game) {
  const std::string& gameName = game.folders.gameName;
  save(game, gameName + ".rgs", encodeRegisterFile(game.Regs.values()));
  saveObjectTable(game);
}

void saveObjectTable(shell::Game& game) { save(game, game.folders.gameName + ".obx", game.world.Objx); }

void saveAtShutDown(shell::Game& game) {
  auto exeTable = game.folders.exeFile(game.folders.exeBaseName + ".ini");
  if (!base::writeTextLines(exeTable, game.Defs.rows()))
    game.host.errorBox("N\xE3o consegui gravar " + base::pathToCp1252(exeTable));
  const std::string& gameName = game.folders.gameName;
  // Before a game start the registers are the built-in ones and the objects
  // none: writing them would overwrite the saved game with nothing of it.
  if (gameName.empty() || !game.world.gameLoaded) return;
  if (game.Defs.size() > 0) save(game, gameName + ".ini", game.Defs.rows());
  if (game.Regs.size() > 0) save(game, gameName + ".rgs", encodeRegisterFile(game.Regs.values()));
  if (!game.world.Objx.empty()) save(game, gameName + ".obx", game.world.Objx);
  if (!game.world.Objs.empty()) save(game, gameName + ".obz", game.world.Objs);
}

}  // namespace world
