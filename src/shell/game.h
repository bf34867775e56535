// shell::Game: the game as the shell makes it, the one object that owns the
// whole state of the player for its lifetime (the original's main window): the
// model's game with its statement table filled and its sound player made.
#pragma once
#include "model/game.h"

namespace shell {

struct Game : model::Game {
  explicit Game(platform::Host& host);
  ~Game();
};

}  // namespace shell
