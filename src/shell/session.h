// The parts of a playing session, assembled the same way by every front end:
// a host, the recording host the game talks to, the game, its input queue, the
// transcript and the trace file. A front end picks the host type and installs
// the devices (backends/real_devices.h); the steps both share are here.
#pragma once
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>

#include "platform/recording_host.h"
#include "platform/sound_device.h"
#include "shell/game.h"
#include "shell/input_queue.h"
#include "shell/transcript.h"

namespace shell {

// Everything above the host, built on it.
class SessionParts {
 public:
  explicit SessionParts(platform::Host& host) : recording(host) {}

 private:
  std::ofstream trace_;  // outlives the game, whose trace hook writes to it

 public:
  platform::RecordingHost recording;              // the game's host: the session's, with a record of requests
  std::unique_ptr<platform::SoundDevice> speakers;  // the real sound device, when the session has one
  Game game{recording};
  InputQueue queue{game};
  Transcript transcript;

  // Before start-up: the player's input reaches its handlers, named save slots
  // are kept in slotsFolder, and with a trace file every trace line goes into
  // it as UTF-8.
  void prepare(const std::filesystem::path& slotsFolder, const std::string& traceFile);
  // After start-up: the transcript of the session begins; a file it cannot be
  // kept in is said on the error output, and the session goes on without it.
  void beginTranscript(const std::filesystem::path& file);
};

// The host, made before the parts that use it.
template <typename HostT>
struct SessionHost {
  template <typename... HostArguments>
  explicit SessionHost(HostArguments&&... arguments) : host(std::forward<HostArguments>(arguments)...) {}
  HostT host;
};

template <typename HostT>
class Session : public SessionHost<HostT>, public SessionParts {
 public:
  template <typename... HostArguments>
  explicit Session(HostArguments&&... arguments)
      : SessionHost<HostT>(std::forward<HostArguments>(arguments)...), SessionParts(this->host) {}
  using SessionHost<HostT>::host;
};

}  // namespace shell
