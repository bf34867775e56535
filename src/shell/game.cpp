// The game object and its dispatch table.
#include "shell/game.h"

#include "media/rain.h"
#include "media/sound_player.h"
#include "shell/dispatch_table.h"

namespace shell {

Game::Game(platform::Host& host)
    : host(host), dispatch(buildDispatch()), soundPlayer(std::make_unique<media::SoundPlayer>(*this, host.sound())) {
  host.soundPlayer = soundPlayer.get();
}

Game::~Game() {
  media::stopRain(*this);
  host.soundPlayer = nullptr;
}

void Game::readPositionRows() {
  IniScp = Defs.defsRow(row::IniScp);
  runner.currentScript = Defs.defsRow(row::CurrentScript);
  RetScp = Defs.defsRow(row::RetScp);
  world.Objeto = Defs.defsRow(row::Objeto);
  world.Posic = Defs.defsRow(row::Posic);
}

void Game::writePositionRows() {
  Defs.setDefsRow(row::IniScp, IniScp);
  Defs.setDefsRow(row::CurrentScript, runner.currentScript);
  Defs.setDefsRow(row::RetScp, RetScp);
  Defs.setDefsRow(row::Objeto, world.Objeto);
  Defs.setDefsRow(row::Posic, world.Posic);
}

}  // namespace shell
