// The sound device opened on the first sound.
#include "backends/lazy_sound_device.h"

#include <QCoreApplication>

#include "base/lazy_library.h"

namespace backends {

LazySoundDevice::LazySoundDevice(std::vector<std::filesystem::path> modulePlaces)
    : modulePlaces_(std::move(modulePlaces)) {}

LazySoundDevice::~LazySoundDevice() = default;

platform::SoundDevice* LazySoundDevice::device() {
  if (tried_) return device_.get();
  tried_ = true;
  if (modulePlaces_.empty()) return nullptr;
  std::filesystem::path module = modulePlaces_.front();
  for (const auto& place : modulePlaces_) {
    std::error_code error;
    if (std::filesystem::exists(place, error)) {
      module = place;
      break;
    }
  }
  using Make = platform::SoundDevice*();
  if (auto* make = base::lazyFunction<Make>(module.c_str(), "mirandel_new_sound_device")) {
    device_.reset(make());
    device_->setMusicVolume(musicVolume_);
    device_->setMuted(muted_);
  }
  return device_.get();
}

void LazySoundDevice::play(platform::SoundChannel channel, std::shared_ptr<platform::PcmSource> sound, bool loop) {
  if (auto* real = device()) real->play(channel, std::move(sound), loop);
}

void LazySoundDevice::stop(platform::SoundChannel channel) {
  if (device_) device_->stop(channel);
}

bool LazySoundDevice::playing(platform::SoundChannel channel) const { return device_ && device_->playing(channel); }

void LazySoundDevice::setMusicVolume(double volume) {
  musicVolume_ = volume;
  if (device_) device_->setMusicVolume(volume);
}

void LazySoundDevice::setMuted(bool muted) {
  muted_ = muted;
  if (device_) device_->setMuted(muted);
}

std::vector<std::filesystem::path> soundModulePlaces() {
  const std::filesystem::path programFolder = QCoreApplication::applicationDirPath().toStdString();
  return {programFolder / MIRANDEL_SOUND_MODULE_NAME,
          (programFolder / MIRANDEL_SOUND_MODULE_FROM_PROGRAM).lexically_normal()};
}

}  // namespace backends
