// The game as the shell makes it: its statement table and sound player.
#include "shell/game.h"

#include "media/rain.h"
#include "media/sound_player.h"
#include "shell/dispatch_table.h"

namespace shell {

Game::Game(platform::Host& host) : model::Game(host) {
  dispatch = buildDispatch();
  soundPlayer = std::make_unique<media::SoundPlayer>(*this, host.soundRequests());
}

Game::~Game() {
  media::stopRain(*this);
}

}  // namespace shell
