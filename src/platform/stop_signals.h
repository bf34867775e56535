// SIGTERM, SIGINT and SIGHUP end the player the way the end button does: a
// logout, a kill or Ctrl-C still runs the shut-down sequence, so the game is
// saved. The handler only writes a byte into a pipe (the self-pipe pattern);
// the front ends watch the pipe's read end between their own events.
#pragma once

namespace platform {

// Installs the handlers once, before start-up.
void installStopSignals();

// The read end of the pipe (non-blocking), for poll() or a QSocketNotifier; -1
// before installStopSignals.
int stopSignalFd();

// Whether a stop signal arrived; empties the pipe.
bool stopSignalReceived();

}  // namespace platform
