// Music and sound statements.
#include "media/sound_statements.h"

#include "base/number.h"
#include "model/dispatch.h"
#include "model/argument_words.h"
#include "model/game.h"

namespace media {
namespace {

using platform::EffectMode;
using model::Statement;

void music(model::Game& game, Statement& s) {
  game.textProduced(platform::TextSink::Music, s.arg(1));
  game.sound().playMusic(s.arg(1));
}

// A level that is not a number is 0.
void volume(model::Game& game, Statement& s) { game.sound().setVolume(base::readNumberOr(s.arg(1), 0)); }

// playsnd file, mode: no mode plays and goes on, "off" waits for the end, "on"
// loops, "stop" stops it. Then pending window messages run.
void sound(model::Game& game, Statement& s) {
  if (s.arg(1).empty()) return;
  const EffectMode effect = model::argument<'E'>(s, 2).value_or(EffectMode::Once);
  game.textProduced(platform::TextSink::Sound, s.arg(1));
  game.sound().playEffect(s.arg(1), effect);
  game.host.processEvents();
}

}  // namespace

void registerSoundStatements(model::Dispatch& dispatch) {
  static const model::StatementRow rows[] = {
      {"playmusica", {"play"}, music, {{"w", 1}},
       "`file`. Plays music (`.mp3`, `.wav`) from the game folder, replacing the music playing."},
      {"volume=", {}, volume, {{"j", 1}},
       "`level`, from 0 (silent) to 1000 (full). The music's volume (not a number gives 0)."},
      {"playsnd", {}, sound, {{"wE", 0}},
       "`file, mode`."},
  };
  dispatch.add(rows);
}

}  // namespace media
