// Fuzz target: the command phrase file. The input's first line is the command
// typed; the rest is the phrase file it is looked up in.
#include "fuzz/fuzz_game.h"
#include "fuzz/targets.h"
#include "shell/input_wiring.h"

namespace fuzz {

void phrases(std::string_view input) {
  const size_t end = input.find('\n');
  const std::string command(input.substr(0, end));
  FuzzGame fuzzGame;
  fuzzGame.write("comandos.scx", end == std::string_view::npos ? std::string_view() : input.substr(end + 1));
  fuzzGame.write("alvo.scx", "msg= #Prm\r\n");
  fuzzGame.write("errocmd.scx", "msg= ?\r\n");
  if (!fuzzGame.start()) return;
  shell::typeCommand(*fuzzGame.game, command);
}

}  // namespace fuzz
