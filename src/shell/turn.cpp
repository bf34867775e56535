// A run from start to end-of-run steps.
#include "shell/turn.h"

#include "media/rain.h"
#include "script/placeholders.h"
#include "script/runner.h"
#include "model/script_error.h"
#include "shell/game.h"
#include "view/end_of_run.h"
#include "view/layout.h"
#include "view/page.h"
#include "world/saved_state.h"

namespace shell {

void runScript(model::Game& game, std::string name) {
  auto& runner = game.runner;
  if (name == "pagpix") {
    game.screen.viewerPage = model::ViewerPage::Pix;
    game.host.repaint();
    return;
  }
  ++runner.runsStarted;
  runner.gosubScript.clear();
  runner.gosubLine = -1;
  media::stopRainForRun(game);
  view::reapplyRunLayout(game, name);
  if (game.screen.isPageMode()) view::beginPage(game);

  runner.Prm.clear();
  runner.Prx.clear();
  runner.Pry.clear();
  name = script::parseLinkParameters(game, name);
  name = script::resolvePlaceholder(game, name);
  runner.currentScript = name;

  runner.running = true;
  runner.stepsThisRun = 0;
  try {
    script::runLines(game, name);
    view::endOfRunScreen(game);
    world::saveAfterRun(game);
    game.host.processEvents();
    view::endOfRunPage(game);
  } catch (const model::ScriptError& error) {
    runner.running = false;
    game.host.errorBox(script::describeRunError(game, error.what()));
    return;
  } catch (const std::exception& error) {
    // Anything else a run runs into (no memory for a huge text, a file system
    // failure) ends the run the same way instead of ending the player.
    runner.running = false;
    game.host.errorBox(script::describeRunError(game, std::string("erro inesperado: ") + error.what()));
    return;
  }
  runner.running = false;
}

}  // namespace shell
