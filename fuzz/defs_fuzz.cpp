// Fuzz target: a definitions table of any bytes, the start-up that reads it, a
// run through every display mode that lays the screen out from it, and the
// shut-down that writes it back.
#include "fuzz/fuzz_game.h"
#include "fuzz/targets.h"
#include "shell/startup.h"

namespace fuzz {

void defs(std::string_view input) {
  FuzzGame fuzzGame;
  fuzzGame.write("mirandel.ini", input);
  fuzzGame.write("modos.scx",
                 "modo= 0\r\nmsg= zero\r\nmodo= 1\r\nmsg= um\r\nmodo= 2\r\n'dois'\r\n"
                 "modo= 3\r\nmsg= tr\xEAs\r\n'quatro'\r\n");
  if (!fuzzGame.start()) return;
  fuzzGame.run("modos");
  shell::shutDown(*fuzzGame.game);
}

}  // namespace fuzz
