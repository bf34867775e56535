// The game object and its dispatch table.
#include "shell/game.h"

namespace shell {

Game::Game(platform::Host& host) : host(host), dispatch(script::buildDispatch()) {}

}  // namespace shell
