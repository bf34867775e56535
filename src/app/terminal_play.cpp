// Terminal front end.
#include "app/terminal_play.h"

#include <iostream>

#include "app/session.h"
#include "base/cp1252.h"
#include "shell/startup.h"

namespace app {

int playInTerminal(const Options& options, const std::filesystem::path& folder) {
  Session session;
  session.host.onText = [](const std::string&, const std::string& text) {
    std::string shown = base::cp1252ToUtf8(text);
    std::cout << shown;
    if (shown.empty() || shown.back() != '\n') std::cout << '\n';
    std::cout.flush();
  };
  session.host.onError = [](const std::string& message) {
    std::cout << "[erro] " << base::cp1252ToUtf8(message) << std::endl;
  };
  session.start(options, folder);
  std::cout << "mirandel — " << base::cp1252ToUtf8(session.game.folders.gameName)
            << " (digite o nome de um script para execut\xC3\xA1-lo; FIM encerra)\n";
  session.player.post({shell::PlayerInput::Kind::Run, "abertura"});
  std::string line;
  while (!session.player.quitRequested() && std::cout << "> " << std::flush && std::getline(std::cin, line)) {
    std::string command = base::utf8ToCp1252(line);
    if (command == "FIM" || command == "fim") break;
    if (!command.empty()) session.player.post({shell::PlayerInput::Kind::Run, command});
  }
  shell::shutDown(session.game);
  return 0;
}

}  // namespace app
