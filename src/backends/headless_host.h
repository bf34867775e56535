// HeadlessHost: the Host without a window. Its clock is virtual (sleeps advance it
// at once); terminal play gives it a text and an error listener. A RecordingHost
// around it keeps what it was asked for tests and the dump.
#pragma once
#include <functional>

#include "platform/host.h"
#include "platform/host_devices.h"
#include "platform/virtual_timers.h"

namespace backends {

class HeadlessHost : public platform::Host {
 public:
  platform::HostDevices devices{[this] { return now(); }};

  void processEvents() override;
  void sleep(int milliseconds) override;
  int64_t now() const override { return clock_; }
  void repaint() override {}
  void textProduced(platform::TextSink sink, const std::string& text) override {
    if (onText) onText(sink, text);
  }
  platform::SoundDevice& soundDevice() override { return devices.soundDevice(); }
  platform::HttpClient& http() override { return devices.http(); }
  platform::SoundOut& soundRequests() override { return devices.soundRequests(); }

  void errorBox(const std::string& message) override;
  void openWebPage(const std::string&) override {}
  void startProgram(const std::string&, const std::vector<std::string>&) override {}
  void quit() override { quitRequested_ = true; }
  bool closing() const override { return quitRequested_; }

  int startTimer(int milliseconds, std::function<void()> tick) override {
    return timers_.start(clock_, milliseconds, std::move(tick));
  }
  void stopTimer(int id) override { timers_.stop(id); }

  // Advances the virtual clock (the "wait" event); timers tick as they fall due.
  void advance(int milliseconds);

  int64_t sleptTotal() const { return sleptTotal_; }
  bool quitRequested() const { return quitRequested_; }

  // Called for every text a sink receives, and for every error box.
  std::function<void(platform::TextSink sink, const std::string& text)> onText;
  std::function<void(const std::string& message)> onError;
  // Called by processEvents: lets a driver deliver queued input.
  std::function<void()> onProcessEvents;

 private:
  int64_t clock_ = 0;
  platform::VirtualTimers timers_;
  int64_t sleptTotal_ = 0;
  bool quitRequested_ = false;
};

}  // namespace backends
