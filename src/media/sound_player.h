// The game's sound player: serves the Host's sound requests (scripts, the title
// theme, click sounds of buttons, keys and hot spots) by decoding the game's
// files and playing them on the Host's sound device. Every request is recorded
// first by the host's own request log, for the dump.
#pragma once
#include <string>

#include "platform/sound.h"

namespace model { struct Game; }

namespace media {

// The longest sound name an effect keeps; longer names are cut (old games may
// rely on the cut name).
constexpr size_t kSoundNameLimit = 79;

class SoundPlayer : public platform::SoundOut {
 public:
  // record: the host's request log (its null sound).
  SoundPlayer(model::Game& game, platform::SoundOut& record) : game_(game), record_(record) {}

  // Once plays and returns; Wait plays and waits for the end (the window keeps
  // painting, closing the player ends the wait); Loop plays over and over; Stop
  // stops the file when it is the effect playing. An empty name does nothing; a
  // missing or unplayable file plays nothing and is logged once.
  void playEffect(const std::string& file, platform::EffectMode mode) override;
  // The music channel plays the game file, replacing the music. A missing or
  // unplayable file aborts the run (script::ScriptError).
  void playMusic(const std::string& file) override;
  void stopMusic() override;
  // 0 to 1000 is silence to full volume; numbers outside are clamped.
  void setVolume(int volume) override;

 private:
  model::Game& game_;
  platform::SoundOut& record_;
};

// The title theme "mirandel.mp3", whatever the game's name; a failure is shown
// in the error box and the player goes on.
void playTitleMusic(model::Game& game);

}  // namespace media
