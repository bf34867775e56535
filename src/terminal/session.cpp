// Session start-up.
#include "terminal/session.h"

#include <QCoreApplication>
#include <cstdio>

#include "base/cp1252.h"
#include "media/sound_player.h"
#include "backends/curl_http.h"
#include "shell/input_wiring.h"
#include "shell/startup.h"

namespace terminal {

void Session::start(const TerminalOptions& options) {
  if (!options.traceFile.empty()) {
    traceFile.open(options.traceFile, std::ios::binary | std::ios::trunc);
    game.traceHook = [this](const std::string& line) { traceFile << base::cp1252ToUtf8(line) << '\n'; };
  }
  // Input handlers are connected in shell/input_wiring.cpp, shared by every front end.
  shell::connectPlayerInput(queue);
  host.devices.useHttp(std::make_unique<backends::CurlHttp>([this] { host.processEvents(); },
                                                  [this] { return host.closing(); }));
  queue.saveSlots.setFolder(options.slotsFolder);
  shell::start(game, options.start);
  if (!transcript.begin(game, queue, options.transcriptFile))
    std::fprintf(stderr, "mirandel: %s\n",
                 QCoreApplication::translate("Terminal", "cannot keep the transcript in %1")
                     .arg(QString::fromStdString(options.transcriptFile.string())).toLocal8Bit().constData());
  if (!options.mute) {
    speakers = std::make_unique<backends::QtSoundDevice>();
    host.devices.setSoundDevice(speakers.get());
  }
  media::playTitleMusic(game);
}

}  // namespace terminal
