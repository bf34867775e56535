// The sound output through QtMultimedia: one QAudioSink per channel, living on
// a thread of its own that decodes as the device asks for data, so neither a
// long file nor a blocked interface (the terminal waiting for a line) stalls
// the sound. A device that cannot be opened leaves the output silent.
#pragma once
#include <QThread>
#include <array>
#include <atomic>
#include <memory>

#include "platform/sound_device.h"

namespace backends {

class SoundWorker;

class QtSoundDevice : public platform::SoundDevice {
 public:
  QtSoundDevice();
  ~QtSoundDevice() override;

  void play(platform::SoundChannel channel, std::shared_ptr<platform::PcmSource> sound, bool loop) override;
  void stop(platform::SoundChannel channel) override;
  bool playing(platform::SoundChannel channel) const override;
  void setMusicVolume(double volume) override;
  void setMuted(bool muted) override;
  bool muted() const override { return shared_->muted; }
  bool realTime() const override { return true; }

  // The bytes the device has taken of the channel's current sound.
  int64_t bytesTaken(platform::SoundChannel channel) const;

  // What the worker thread and the interface thread both read.
  struct Shared {
    std::array<std::atomic<bool>, 2> playing{};
    std::array<std::atomic<int64_t>, 2> taken{};
    std::atomic<double> musicVolume{1.0};
    std::atomic<bool> muted{false};
  };

 private:
  std::shared_ptr<Shared> shared_ = std::make_shared<Shared>();
  QThread thread_;
  SoundWorker* worker_;
};

}  // namespace backends
