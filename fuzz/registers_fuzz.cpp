// Fuzz target: a register file (.rgs) of any bytes, loaded with the saved game,
// read by a run and written back at shut-down.
#include "base/text.h"
#include "fuzz/fuzz_game.h"
#include "fuzz/targets.h"
#include "shell/startup.h"
#include "world/game_load.h"

namespace fuzz {

void registers(std::string_view input) {
  FuzzGame fuzzGame;
  fuzzGame.write("mirandel.ini", base::joinLines(model::DefinitionsTable::builtInRows()));
  fuzzGame.write("mirandel.rgs", input);
  fuzzGame.write("mirandel.obz", "");
  fuzzGame.write("mirandel.obx", "");
  fuzzGame.write("ler.scx", "reg= 1,#2\r\nreg$ 3,#1\r\nmsg= #1 #2 #3\r\nreg+ 4,1\r\n");
  if (!fuzzGame.start()) return;
  try {
    world::loadGame(*fuzzGame.game, "mirandel");
  } catch (const world::GameLoadError&) {
    return;
  }
  fuzzGame.run("ler");
  shell::shutDown(*fuzzGame.game);
}

}  // namespace fuzz
