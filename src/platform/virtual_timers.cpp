// Timers on a virtual clock.
#include "platform/virtual_timers.h"

#include <algorithm>

namespace platform {

int VirtualTimers::start(int64_t now, int milliseconds, std::function<void()> tick) {
  const int64_t interval = std::max(1, milliseconds);
  const int id = nextId_++;
  timers_[id] = Timer{interval, now + interval, std::move(tick)};
  return id;
}

void VirtualTimers::advanceTo(int64_t now) {
  for (;;) {
    auto next = std::min_element(timers_.begin(), timers_.end(),
                                 [](const auto& a, const auto& b) { return a.second.due < b.second.due; });
    if (next == timers_.end() || next->second.due > now) return;
    next->second.due += next->second.interval;
    auto tick = next->second.tick;  // the tick may stop its own timer
    tick();
  }
}

void VirtualTimers::skipTo(int64_t now) {
  for (auto& [id, timer] : timers_)
    if (timer.due <= now) timer.due += ((now - timer.due) / timer.interval + 1) * timer.interval;
}

}  // namespace platform
