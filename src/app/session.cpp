// Session start-up.
#include "app/session.h"

#include "base/cp1252.h"
#include "media/sound_player.h"
#include "shell/input_wiring.h"
#include "shell/startup.h"

namespace app {

void Session::start(const Options& options, const std::filesystem::path& folder) {
  if (!options.traceFile.empty()) {
    traceFile.open(options.traceFile, std::ios::binary | std::ios::trunc);
    game.traceHook = [this](const std::string& line) { traceFile << base::cp1252ToUtf8(line) << '\n'; };
  }
  // Input handlers are connected in shell/input_wiring.cpp, shared by every front end.
  shell::connectPlayerInput(player);
  shell::StartOptions start;
  start.gameFolder = folder.string();
  start.exeBaseName = options.exeBaseName;
  start.serverBaseUrl = options.serverBaseUrl;
  shell::start(game, start);
  if (!options.mute) {
    speakers = std::make_unique<media::QtSoundDevice>();
    host.setSoundDevice(speakers.get());
  }
  media::playTitleMusic(game);
}

}  // namespace app
