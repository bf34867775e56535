// The picture library reading the game state.
#include "shell/game.h"
