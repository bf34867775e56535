// A handler that reaches the shell's own game (the model's is below it).
#pragma once
#include "shell/game.h"
