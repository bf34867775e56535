// The link click.
#include "view/links.h"

#include "base/text.h"
#include "shell/game.h"

namespace view {

std::optional<std::string> linkScript(shell::Game& game, const std::string& address) {
  const size_t at = address.find("Scp=");
  if (at == std::string::npos) return std::nullopt;
  const std::string target = address.substr(at + 4);
  game.host.processEvents();
  if (base::contains(target, ".htm")) return std::nullopt;
  return target;
}

}  // namespace view
