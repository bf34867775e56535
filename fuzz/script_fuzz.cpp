// Fuzz target: a script of any bytes run by the executor, then the shut-down
// that saves what the run left.
#include "fuzz/fuzz_game.h"
#include "fuzz/targets.h"
#include "shell/startup.h"

namespace fuzz {

void script(std::string_view input) {
  FuzzGame fuzzGame;
  fuzzGame.write("fuzz.scx", input);
  if (!fuzzGame.start()) return;
  fuzzGame.run("fuzz");
  shell::shutDown(*fuzzGame.game);
}

}  // namespace fuzz
