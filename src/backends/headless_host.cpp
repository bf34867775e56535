// The windowless Host with a virtual clock.
#include "backends/headless_host.h"

namespace backends {

void HeadlessHost::processEvents() {
  if (onProcessEvents) onProcessEvents();
}

void HeadlessHost::sleep(int milliseconds) {
  if (milliseconds <= 0) return;
  clock_ += milliseconds;
  sleptTotal_ += milliseconds;
  timers_.skipTo(clock_);
}

void HeadlessHost::advance(int milliseconds) {
  if (milliseconds <= 0) return;
  const int64_t end = clock_ + milliseconds;
  timers_.advanceTo(end);
  clock_ = end;
}

void HeadlessHost::errorBox(const std::string& message) {
  if (onError) onError(message);
}

}  // namespace backends
