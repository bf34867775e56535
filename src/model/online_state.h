// What on-line play keeps for the session: the server's file list, the request
// headers the client sends, the version file of the last check, and the "Down"
// page.
#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "base/text.h"
#include "model/down_page.h"
#include "platform/http.h"

namespace model {

// The HTTP client's own headers, sent until setRequestHeaders() first runs.
platform::HttpHeaders clientDefaultHeaders();

struct OnlineState {
  base::Lines serverFileList;  // the list after its "Ok!" line: name, date, time, unused
  platform::HttpHeaders requestHeaders = clientDefaultHeaders();
  base::Lines ListaTemp;       // the version file of the last check
  DownPage page;

  // Our own updater, installed beside the player, and the command that starts
  // the player again after an update (empty: the updater only unpacks).
  std::filesystem::path updaterProgram;
  std::vector<std::string> restartCommand;
};

}  // namespace model
