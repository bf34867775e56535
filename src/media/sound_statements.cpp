// Music and sound statements.
#include "media/sound_statements.h"

#include "media/sound_player.h"
#include "script/dispatch.h"
#include "shell/game.h"

namespace media {
namespace {

using script::Statement;

void music(shell::Game& game, Statement& s) { playMusic(game, s.arg(1)); }

void volume(shell::Game& game, Statement& s) { setMusicVolume(game, s.arg(1)); }

void sound(shell::Game& game, Statement& s) {
  if (s.arg(1).empty()) return;
  game.host.textProduced("sound", s.arg(1));
  playSound(game, s.arg(1), s.arg(2));
  game.host.processEvents();
}

}  // namespace

void registerSoundStatements(script::Dispatch& dispatch) {
  dispatch.add("playmusica", music);
  dispatch.add("play", music);
  dispatch.add("volume=", volume);
  dispatch.add("playsnd", sound);
}

}  // namespace media
