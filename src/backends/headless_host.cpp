// The windowless Host with a virtual clock and recorded side effects.
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

void HeadlessHost::showText(platform::TextSink sink, const std::string& text) {
  if (onText) onText(sink, text);
}

void HeadlessHost::errorBox(const std::string& message) {
  recordError(message);
  if (onError) onError(message);
}

void HeadlessHost::openWebPage(const std::string& address) { recordOpened(address); }

void HeadlessHost::startProgram(const std::string& program, const std::vector<std::string>& arguments) {
  recordProgram(program, arguments);
}

}  // namespace backends
