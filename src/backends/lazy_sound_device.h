// The real sound device, opened on the first sound: the Qt sound device lives in
// a module of its own (backends/qt_sound/), which this device opens the first
// time a sound plays, so a start-up loads neither Qt Multimedia nor the
// libraries it brings. Until then it keeps the volume and the mute it is given
// and hands them on; a module that cannot be opened leaves the sound silent, as
// a device that cannot be opened does.
#pragma once
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/sound_device.h"

namespace backends {

class LazySoundDevice : public platform::SoundDevice {
 public:
  // The module is the first of the places that exists (else the first, whose
  // error is then said once on the error output).
  explicit LazySoundDevice(std::vector<std::filesystem::path> modulePlaces);
  ~LazySoundDevice() override;

  void play(platform::SoundChannel channel, std::shared_ptr<platform::PcmSource> sound, bool loop) override;
  void stop(platform::SoundChannel channel) override;
  bool playing(platform::SoundChannel channel) const override;
  void setMusicVolume(double volume) override;
  void setMuted(bool muted) override;
  bool muted() const override { return muted_; }
  bool realTime() const override { return true; }

  // Whether the module has been opened (by a first sound) and gave a device.
  bool opened() const { return device_ != nullptr; }

 private:
  platform::SoundDevice* device();

  std::vector<std::filesystem::path> modulePlaces_;
  std::unique_ptr<platform::SoundDevice> device_;
  bool tried_ = false;
  bool muted_ = false;
  double musicVolume_ = 1.0;
};

// Where the player's sound module is: beside the program (a build tree), or in
// the library folder of the installation the program is in.
std::vector<std::filesystem::path> soundModulePlaces();

}  // namespace backends
