// Page links: the page view reports every address it completes a navigation to;
// an address holding "Scp=" names a script to run, with its link parameters.
#pragma once
#include <optional>
#include <string>

namespace shell { struct Game; }

namespace view {

// linkScript(address): the script a link runs — everything after the first
// "Scp=", unless it holds ".htm" (the page file itself). Addresses without
// "Scp=" run nothing. The shell runs the script (shell/input_wiring.h).
std::optional<std::string> linkScript(shell::Game& game, const std::string& address);

}  // namespace view
