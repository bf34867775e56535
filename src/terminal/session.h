// A session of the engine without a window: the shell's session parts on the
// headless host. Used by scripted play and terminal play.
#pragma once
#include "backends/headless_host.h"
#include "shell/session.h"
#include "terminal/terminal_play.h"

namespace terminal {

struct Session : shell::Session<backends::HeadlessHost> {
  // Start-up on the folder, then the title theme; throws shell::StartupError
  // with a clear message.
  void start(const TerminalOptions& options);
};

}  // namespace terminal
