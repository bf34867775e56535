// QtHost: the Host of the desktop window. Pending events are Qt's events; the
// error box is a message box; web pages open in the user's browser. In scripted
// play its clock is virtual, so typewriter pauses cost no real time.
#pragma once
#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

#include "platform/host.h"
#include "platform/host_devices.h"
#include "platform/virtual_timers.h"
#include "backends/work_pace.h"

namespace backends {

class QtHost : public platform::Host {
 public:
  explicit QtHost(bool virtualClock);
  platform::HostDevices devices{[this] { return now(); }};

  void processEvents() override;
  void sleep(int milliseconds) override;
  int64_t now() const override;
  void repaint() override;
  void textProduced(platform::TextSink, const std::string&) override {}
  platform::SoundDevice& soundDevice() override { return devices.soundDevice(); }
  platform::HttpClient& http() override { return devices.http(); }
  platform::SoundOut& soundRequests() override { return devices.soundRequests(); }

  void errorBox(const std::string& message) override;
  void openWebPage(const std::string& address) override;
  void startProgram(const std::string& program, const std::vector<std::string>& arguments) override;
  void quit() override;
  bool closing() const override { return closing_; }
  void setClosing() { closing_ = true; }

  // Real timers tick only while a window of the application is active.
  int startTimer(int milliseconds, std::function<void()> tick) override;
  void stopTimer(int id) override;

  // Advances the virtual clock (the "wait" event of scripted play); timers tick.
  void advance(int milliseconds);

  // The window shows the model on repaint and closes on quit.
  std::function<void()> onRepaint, onQuit;
  // Scripted play shows no modal boxes: errors are only recorded (and printed).
  bool modalErrors = true;
  // Opens an address in the user's browser; false when there is none. Scripted
  // play opens nothing.
  std::function<bool(const QString& address)> browser;
  // The host the game talks to (a recording host around this one): the error
  // boxes this host opens on its own go through it, so they are recorded too.
  platform::Host* outer = this;

 private:
  bool virtualClock_;
  QElapsedTimer clock_;
  int64_t virtualTime_ = 0;
  bool closing_ = false;
  platform::VirtualTimers virtualTimers_;
  std::map<int, std::unique_ptr<QTimer>> timers_;
  int nextTimer_ = 1;
  WorkPace eventsPace_;
};

}  // namespace backends
