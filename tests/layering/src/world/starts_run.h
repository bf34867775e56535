// A subsystem starting a run itself.
#include "model/game.h"
inline void walk(model::Game& game) { runScript(game, "sala"); }
