// The picture library reading the game state.
#include "model/game.h"
