// Music and effects.
#include "media/sound_player.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "media/sound_cache.h"
#include "media/sound_decoders.h"
#include "model/script_error.h"
#include "model/game.h"

namespace media {
namespace {

using platform::EffectMode;
using platform::SoundChannel;

// The game file decoded, or nothing with the reason (a missing file: "").
std::shared_ptr<platform::PcmSource> decodeGameFile(model::Game& game, const std::string& file, std::string& error) {
  const auto path = game.folders.dataFolder.find(file);
  if (!path) return nullptr;
  std::shared_ptr<platform::PcmSource> sound = openSoundOnce(*path, error);
  if (!sound && error.empty()) error = "formato de som desconhecido";
  return sound;
}

void logOnce(model::Game& game, const std::string& file, const std::string& line) {
  if (game.media.missingLogged.insert(file).second) game.debug.logDebug(line);
}

// The run waits for the effect to end: the window keeps painting, the events
// clock advances by the sound's length, and closing the player ends the wait.
void waitForEffect(model::Game& game, int64_t milliseconds) {
  platform::Host& host = game.host;
  const int64_t end = host.now() + milliseconds;
  while (!host.closing() && host.now() < end)
    host.sleep(static_cast<int>(std::min<int64_t>(end - host.now(), 50)));
  // A real device behind a virtual clock (the terminal) is waited for itself.
  platform::SoundDevice& device = host.soundDevice();
  while (!host.closing() && device.realTime() && device.playing(SoundChannel::Effect)) {
    host.processEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (host.closing()) device.stop(SoundChannel::Effect);
}

}  // namespace

void SoundPlayer::playEffect(const std::string& name, EffectMode mode) {
  if (name.empty()) return;
  const std::string file = name.substr(0, kSoundNameLimit);
  record_.playEffect(file, mode);
  platform::SoundDevice& device = game_.host.soundDevice();
  if (mode == EffectMode::Stop) {
    if (game_.media.effect == file) device.stop(SoundChannel::Effect);
    return;
  }
  std::string error;
  auto sound = decodeGameFile(game_, file, error);
  if (!sound) {
    // A missing effect is not logged (click sounds a game leaves out among
    // them); one that cannot be played is, once. Both play the default sound,
    // once even when a loop was asked for.
    if (!error.empty()) logOnce(game_, file, "N\xE3o consegui tocar o som " + file + ": " + error);
    sound = defaultSound();
    if (mode == EffectMode::Loop) mode = EffectMode::Once;
  }
  const int64_t length = sound->milliseconds();
  game_.media.effect = file;
  device.play(SoundChannel::Effect, std::move(sound), mode == EffectMode::Loop);
  if (mode == EffectMode::Wait) waitForEffect(game_, length);
}

void SoundPlayer::playMusic(const std::string& file) {
  record_.playMusic(file);
  std::string error;
  auto sound = decodeGameFile(game_, file, error);
  if (!sound && error.empty()) throw model::ScriptError("n\xE3o encontrei a m\xFAsica " + file);
  if (!sound) throw model::ScriptError("n\xE3o consegui tocar a m\xFAsica " + file + " (" + error + ")");
  game_.media.music = file;
  game_.host.soundDevice().play(SoundChannel::Music, std::move(sound), false);
}

void SoundPlayer::stopMusic() {
  record_.stopMusic();
  game_.media.music.clear();
  game_.host.soundDevice().stop(SoundChannel::Music);
}

void SoundPlayer::setVolume(int volume) {
  record_.setVolume(volume);
  game_.media.volume = volume;
  game_.host.soundDevice().setMusicVolume(std::clamp(volume, 0, 1000) / 1000.0);
}

void playTitleMusic(model::Game& game) {
  game.textProduced(platform::TextSink::Music, "mirandel.mp3");
  try {
    game.sound().playMusic("mirandel.mp3");
  } catch (const model::ScriptError& error) {
    std::string message = error.what();
    message[0] = 'N';  // the message stands alone here
    game.host.errorBox(message);
  }
}

}  // namespace media
