// RecordingHost: what both hosts share. It keeps the record of requests (error
// boxes, sounds, opened addresses and programs) and the sound and network
// backends, null ones until a front end chooses real ones at start-up.
#pragma once
#include <memory>

#include "platform/host.h"

namespace platform {

class RecordingHost : public Host {
 public:
  RecordingHost() : sound_(std::make_unique<NullSound>(record.sounds)), http_(std::make_unique<NullHttp>()) {}

  HostRecord record;

  SoundOut& sound() override { return soundPlayer ? *soundPlayer : *sound_; }
  HttpClient& http() override { return *http_; }
  const HostRecord& requests() const override { return record; }

  // Chooses the backends (run time); a null pointer keeps the one in use.
  void useSound(std::unique_ptr<SoundOut> sound) {
    if (sound) sound_ = std::move(sound);
  }
  void useHttp(std::unique_ptr<HttpClient> http) {
    if (http) http_ = std::move(http);
  }

 protected:
  // Each host calls these before doing what it does with the request.
  void recordError(const std::string& message) { addRecentLine(record.errors, message); }
  void recordOpened(const std::string& address) { addRecentLine(record.opened, address); }
  void recordProgram(const std::string& program, const std::vector<std::string>& arguments) {
    record.program(program, arguments);
  }

 private:
  std::unique_ptr<SoundOut> sound_;
  std::unique_ptr<HttpClient> http_;
};

}  // namespace platform
