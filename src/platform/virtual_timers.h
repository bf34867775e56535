// Periodic timers on a virtual clock: advancing the clock fires every tick that
// falls due, in time order. Hosts with a virtual clock (tests, scripted play,
// the terminal) use them, so "wait 400" is ten ticks of a 40 ms timer.
#pragma once
#include <cstdint>
#include <functional>
#include <map>

namespace platform {

class VirtualTimers {
 public:
  int start(int64_t now, int milliseconds, std::function<void()> tick);
  void stop(int id) { timers_.erase(id); }
  // Fires the ticks due up to the time; a tick may stop or start timers.
  void advanceTo(int64_t now);
  // The clock moved on while the interface thread was busy (a run pausing):
  // the ticks that fell due meanwhile are dropped, as a busy window drops them.
  void skipTo(int64_t now);

 private:
  struct Timer {
    int64_t interval, due;
    std::function<void()> tick;
  };
  std::map<int, Timer> timers_;
  int nextId_ = 1;
};

}  // namespace platform
