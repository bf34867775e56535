// A session of the engine without a window: the headless host, the game object,
// its input queue, and the trace file when one was asked for. Used by scripted
// play and terminal play.
#pragma once
#include <filesystem>
#include <fstream>

#include <memory>

#include "backends/qt_sound_device.h"
#include "backends/headless_host.h"
#include "platform/recording_host.h"
#include "shell/game.h"
#include "shell/input_queue.h"
#include "shell/transcript.h"
#include "terminal/terminal_play.h"

namespace terminal {

struct Session {
  backends::HeadlessHost host;
  platform::RecordingHost recording{host};  // the game's host: the headless one, with a record of requests
  std::unique_ptr<backends::QtSoundDevice> speakers;  // the sound device, unless muted
  shell::Game game{recording};
  shell::InputQueue queue{game};
  shell::Transcript transcript;
  std::ofstream traceFile;

  // Start-up on the folder, then the title theme; throws shell::StartupError
  // with a clear message.
  void start(const TerminalOptions& options);
};

}  // namespace terminal
