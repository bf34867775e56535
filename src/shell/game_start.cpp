// Game start.
#include "shell/game_start.h"

#include "shell/game.h"
#include "shell/turn.h"
#include "view/window_shape.h"
#include "world/game_load.h"

namespace shell {

void startGame(Game& game) {
  // Row 93 "*" keeps the window rectangular.
  if (!game.Defs.isOn(row::KeepRectangular)) view::shapeWindow(game);
  game.screen.outerPage = view::OuterPage::Default;
  game.host.processEvents();
  try {
    world::loadGame(game, game.folders.gameName);
  } catch (const world::GameLoadError& error) {
    game.host.errorBox("N\xE3o consegui come\xE7" "ar o jogo: " + std::string(error.what()));
    return;
  }
  game.runner.currentScript = "abertura";
  game.screen.Modelo = "3";
  game.screen.viewerPage = "3";
  runScript(game, "abertura");
}

}  // namespace shell
