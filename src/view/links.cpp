// The link click.
#include "view/links.h"

#include "base/text.h"
#include "script/runner.h"
#include "shell/game.h"

namespace view {

void followLink(shell::Game& game, const std::string& address) {
  const size_t at = address.find("Scp=");
  if (at == std::string::npos) return;
  const std::string target = address.substr(at + 4);
  game.host.processEvents();
  if (base::contains(target, ".htm")) return;
  script::runScript(game, target);
}

}  // namespace view
