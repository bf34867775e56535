// Music and effects.
#include "media/sound_player.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "base/number.h"
#include "media/sound_decoders.h"
#include "script/script_error.h"
#include "shell/game.h"

namespace media {
namespace {

using platform::SoundChannel;

// The game file decoded, or nothing with the reason (a missing file: "").
std::shared_ptr<platform::PcmSource> decodeGameFile(shell::Game& game, const std::string& file, std::string& error) {
  const auto path = game.folders.dataFolder.find(file);
  if (!path) return nullptr;
  std::shared_ptr<platform::PcmSource> sound = openSound(*path, error);
  if (!sound && error.empty()) error = "formato de som desconhecido";
  return sound;
}

void logOnce(shell::Game& game, const std::string& file, const std::string& line) {
  if (game.media.missingLogged.insert(file).second) game.debug.logDebug(line);
}

// The run waits for the effect to end: the window keeps painting, the events
// clock advances by the sound's length, and closing the player ends the wait.
void waitForEffect(shell::Game& game, int64_t milliseconds) {
  platform::Host& host = game.host;
  const int64_t end = host.now() + milliseconds;
  while (!host.closing() && host.now() < end)
    host.sleep(static_cast<int>(std::min<int64_t>(end - host.now(), 50)));
  // A real device behind a virtual clock (the terminal) is waited for itself.
  platform::SoundDevice& output = host.soundDevice();
  while (!host.closing() && output.realTime() && output.playing(SoundChannel::Effect)) {
    host.processEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (host.closing()) output.stop(SoundChannel::Effect);
}

}  // namespace

void playMusic(shell::Game& game, const std::string& file) {
  game.host.record.sounds.push_back("music " + file);
  game.host.textProduced("music", file);
  std::string error;
  auto sound = decodeGameFile(game, file, error);
  if (!sound && error.empty()) throw script::ScriptError("n\xE3o encontrei a m\xFAsica " + file);
  if (!sound) throw script::ScriptError("n\xE3o consegui tocar a m\xFAsica " + file + " (" + error + ")");
  game.media.music = file;
  game.host.soundDevice().play(SoundChannel::Music, std::move(sound), false);
}

void playTitleMusic(shell::Game& game) {
  try {
    playMusic(game, "mirandel.mp3");
  } catch (const script::ScriptError& error) {
    std::string message = error.what();
    message[0] = 'N';  // the message stands alone here
    game.host.errorBox(message);
  }
}

void setMusicVolume(shell::Game& game, const std::string& level) {
  const int32_t volume = base::readNumberOr(level, 0);
  game.media.volume = volume;
  game.host.record.sounds.push_back("volume " + std::to_string(volume));
  game.host.soundDevice().setMusicVolume(std::clamp(volume, 0, 1000) / 1000.0);
}

void playSound(shell::Game& game, std::string file, const std::string& mode) {
  if (file.empty()) return;
  if (file.size() > kSoundNameLimit) file.resize(kSoundNameLimit);
  platform::Host& host = game.host;
  host.record.sounds.push_back("effect " + file + (mode.empty() ? "" : " " + mode));
  platform::SoundDevice& output = host.soundDevice();
  if (mode == "stop") {
    if (game.media.effect == file) output.stop(SoundChannel::Effect);
    return;
  }
  std::string error;
  auto sound = decodeGameFile(game, file, error);
  if (!sound) {
    // The original played the platform's default sound; here nothing plays and
    // the (possibly cut) name is logged once.
    logOnce(game, file,
            error.empty() ? "N\xE3o encontrei arquivo: " + file : "N\xE3o consegui tocar o som " + file + ": " + error);
    return;
  }
  const int64_t length = sound->milliseconds();
  game.media.effect = file;
  output.play(SoundChannel::Effect, std::move(sound), mode == "on");
  if (mode == "off") waitForEffect(game, length);
}

void connectSoundPlayer(shell::Game& game) {
  game.host.effectPlayer = [&game](const std::string& file) { playSound(game, file, ""); };
}

}  // namespace media
