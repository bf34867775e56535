// Stop signals through a self-pipe.
#include "platform/stop_signals.h"

#include <cerrno>
#include <csignal>
#include <initializer_list>
#include <fcntl.h>
#include <unistd.h>

namespace platform {
namespace {

int pipeEnds[2] = {-1, -1};

// Only write(2), which is safe in a signal handler; errno is kept for the code
// the signal interrupted. A full pipe already holds a pending stop.
void onStopSignal(int) {
  int saved = errno;
  char byte = 1;
  [[maybe_unused]] ssize_t ignored = ::write(pipeEnds[1], &byte, 1);
  errno = saved;
}

}  // namespace

void installStopSignals() {
  if (pipeEnds[0] >= 0) return;
  if (::pipe2(pipeEnds, O_NONBLOCK | O_CLOEXEC) != 0) return;
  struct sigaction action {};
  action.sa_handler = onStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
}

int stopSignalFd() { return pipeEnds[0]; }

bool stopSignalReceived() {
  if (pipeEnds[0] < 0) return false;
  bool received = false;
  char bytes[64];
  while (::read(pipeEnds[0], bytes, sizeof bytes) > 0) received = true;
  return received;
}

}  // namespace platform
