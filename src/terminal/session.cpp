// Session start-up.
#include "terminal/session.h"

#include "backends/real_devices.h"
#include "media/sound_player.h"
#include "shell/startup.h"

namespace terminal {

void Session::start(const TerminalOptions& options) {
  prepare(options.slotsFolder, options.traceFile);
  speakers = backends::installRealDevices(host, host.devices, !options.mute);
  shell::start(game, options.start);
  beginTranscript(options.transcriptFile);
  media::playTitleMusic(game);
}

}  // namespace terminal
