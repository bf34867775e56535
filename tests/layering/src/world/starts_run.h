// A subsystem starting a run itself.
#include "shell/game.h"
inline void walk(shell::Game& game) { runScript(game, "sala"); }
