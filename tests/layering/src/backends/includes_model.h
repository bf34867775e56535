// A backend reading the game.
#pragma once
#include "model/game.h"
