// Session start-up.
#include "app/session.h"

#include "app/online_options.h"
#include "base/cp1252.h"
#include "online/curl_http.h"
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
  setOnlineOptions(options, start);
  host.setHttp(std::make_unique<online::CurlHttp>([this] { host.processEvents(); }));
  shell::start(game, start);
}

}  // namespace app
