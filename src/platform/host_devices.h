// HostDevices: the devices a host hands the engine, null ones (a silent sound
// device that keeps each sound's length on the host's clock, no network, no
// one told of sound requests) until a front end chooses real ones at start-up.
#pragma once
#include <functional>
#include <memory>

#include "platform/http.h"
#include "platform/sound.h"
#include "platform/sound_device.h"

namespace platform {

class HostDevices {
 public:
  explicit HostDevices(std::function<int64_t()> clock) : silence_(std::move(clock)) {}

  SoundDevice& soundDevice() { return *device_; }
  HttpClient& http() { return *http_; }
  SoundOut& soundRequests() { return unheard_; }

  // A null device keeps the one in use (the silent one, without any).
  void setSoundDevice(SoundDevice* device) { device_ = device ? device : &silence_; }
  void useHttp(std::unique_ptr<HttpClient> http) {
    if (http) http_ = std::move(http);
  }

 private:
  NullSoundDevice silence_;
  SoundDevice* device_ = &silence_;
  std::unique_ptr<HttpClient> http_ = std::make_unique<NullHttp>();
  UnheardSound unheard_;
};

}  // namespace platform
