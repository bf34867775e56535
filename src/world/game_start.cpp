// Game start.
#include "world/game_start.h"

#include "script/runner.h"
#include "shell/game.h"
#include "world/game_load.h"

namespace world {

void startGame(shell::Game& game) {
  // Unless row 93 is "*", the window takes the outline of its background
  // picture here; the shaping arrives with the picture surfaces.
  game.screen.outerPage = view::OuterPage::Default;
  game.host.processEvents();
  try {
    loadGame(game, game.folders.gameName);
  } catch (const GameLoadError& error) {
    game.host.errorBox("N\xE3o consegui come\xE7" "ar o jogo: " + std::string(error.what()));
    return;
  }
  game.runner.currentScript = "abertura";
  game.screen.Modelo = "3";
  game.screen.viewerPage = "3";
  script::runScript(game, "abertura");
}

}  // namespace world
