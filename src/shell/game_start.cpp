// Game start.
#include "shell/game_start.h"

#include "shell/game.h"
#include "shell/turn.h"
#include "view/window_shape.h"
#include "world/game_load.h"

namespace shell {

void startGame(model::Game& game) {
  // The start is the double-click on the opening screen, which is gone once the
  // game has started: a second start (or one queued while the first ran) does nothing.
  if (game.screen.outerPage != model::OuterPage::Abertura) return;
  // Row 93 "*" keeps the window rectangular.
  if (!game.Defs.isOn(model::row::KeepRectangular)) view::shapeWindow(game);
  game.screen.outerPage = model::OuterPage::Default;
  game.host.processEvents();
  try {
    world::loadGame(game, game.folders.gameName);
  } catch (const world::GameLoadError& error) {
    // Nothing of the game was taken: the opening screen comes back, from which
    // the player can close or try again.
    game.screen.outerPage = model::OuterPage::Abertura;
    game.host.errorBox("N\xE3o consegui come\xE7" "ar o jogo: " + std::string(error.what()));
    // Nothing was loaded: the opening screen comes back (its picture starts
    // again), rather than a game page that has no game behind it.
    game.screen.outerPage = model::OuterPage::Abertura;
    return;
  }
  game.runner.currentScript = "abertura";
  game.screen.Modelo = model::DisplayMode::Canvas;
  game.screen.viewerPage = model::ViewerPage::Canvas;
  runScript(game, "abertura");
}

}  // namespace shell
