// SoundOut: what the engine asks of the sound device: short effects, one music
// file, the music volume. A backend is chosen when the host is made (NullSound
// when the build or the machine has none); the engine never knows which.
#pragma once
#include <string>
#include <vector>

namespace platform {

// How an effect plays: once and the run goes on; once while the run waits for
// its end; over and over until stopped; or the looping effect stopped.
enum class EffectMode { Once, Wait, Loop, Stop };

class SoundOut {
 public:
  virtual ~SoundOut() = default;

  // file: the effect's file name in the game folder (Windows-1252).
  virtual void playEffect(const std::string& file, EffectMode mode) = 0;
  virtual void playMusic(const std::string& file) = 0;
  virtual void stopMusic() = 0;
  // The music volume, 0 to 100.
  virtual void setVolume(int volume) = 0;
};

// NullSound: plays nothing and writes each request as one line into `lines`
// ("effect clk3.wav", "effect chuva.wav loop", "music tema.mid", "music stop",
// "volume 80"), so tests and dumps can read what a run asked for.
class NullSound : public SoundOut {
 public:
  explicit NullSound(std::vector<std::string>& lines) : lines_(lines) {}

  void playEffect(const std::string& file, EffectMode mode) override;
  void playMusic(const std::string& file) override;
  void stopMusic() override;
  void setVolume(int volume) override;

 private:
  std::vector<std::string>& lines_;
};

// UnheardSound: a request nobody listens to.
class UnheardSound : public SoundOut {
 public:
  void playEffect(const std::string&, EffectMode) override {}
  void playMusic(const std::string&) override {}
  void stopMusic() override {}
  void setVolume(int) override {}
};

}  // namespace platform
