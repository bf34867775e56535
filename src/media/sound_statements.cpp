// Music and sound statements.
#include "media/sound_statements.h"

#include "base/number.h"
#include "script/dispatch.h"
#include "shell/game.h"

namespace media {
namespace {

using platform::EffectMode;
using script::Statement;

void music(shell::Game& game, Statement& s) {
  game.host.textProduced(platform::TextSink::Music, s.arg(1));
  game.host.sound().playMusic(s.arg(1));
}

// A level that is not a number is 0.
void volume(shell::Game& game, Statement& s) { game.host.sound().setVolume(base::readNumberOr(s.arg(1), 0)); }

// playsnd file, mode: no mode plays and goes on, "off" waits for the end, "on"
// loops, "stop" stops it. Then pending window messages run.
void sound(shell::Game& game, Statement& s) {
  if (s.arg(1).empty()) return;
  const std::string& mode = s.arg(2);
  const EffectMode effect = mode == "off"    ? EffectMode::Wait
                            : mode == "on"   ? EffectMode::Loop
                            : mode == "stop" ? EffectMode::Stop
                                             : EffectMode::Once;
  game.host.textProduced(platform::TextSink::Sound, s.arg(1));
  game.host.sound().playEffect(s.arg(1), effect);
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
