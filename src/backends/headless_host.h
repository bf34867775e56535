// HeadlessHost: the Host without a window. Its clock is virtual (sleeps advance it
// at once), and it records every error box, sound and opened address so tests and
// the dump can read them. Terminal play gives it a text listener.
#pragma once
#include <functional>

#include "platform/recording_host.h"
#include "platform/virtual_timers.h"

namespace backends {

class HeadlessHost : public platform::RecordingHost {
 public:
  void processEvents() override;
  void sleep(int milliseconds) override;
  int64_t now() const override { return clock_; }
  void repaint() override {}

  void errorBox(const std::string& message) override;
  void openWebPage(const std::string& address) override;
  void startProgram(const std::string& program, const std::vector<std::string>& arguments) override;
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

 protected:
  void showText(platform::TextSink sink, const std::string& text) override;

 private:
  int64_t clock_ = 0;
  platform::VirtualTimers timers_;
  int64_t sleptTotal_ = 0;
  bool quitRequested_ = false;
};

}  // namespace backends
