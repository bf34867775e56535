// The game object and its dispatch table.
#include "shell/game.h"

#include "media/rain.h"
#include "media/sound_player.h"

namespace shell {

Game::Game(platform::Host& host) : host(host), dispatch(script::buildDispatch()) { media::connectSoundPlayer(*this); }

Game::~Game() {
  media::stopRain(*this);
  host.effectPlayer = nullptr;
}

void Game::readPositionRows() {
  IniScp = Defs.defsRow(6);
  runner.currentScript = Defs.defsRow(7);
  RetScp = Defs.defsRow(8);
  world.Objeto = Defs.defsRow(9);
  world.Posic = Defs.defsRow(10);
}

void Game::writePositionRows() {
  Defs.setDefsRow(6, IniScp);
  Defs.setDefsRow(7, runner.currentScript);
  Defs.setDefsRow(8, RetScp);
  Defs.setDefsRow(9, world.Objeto);
  Defs.setDefsRow(10, world.Posic);
}

}  // namespace shell
