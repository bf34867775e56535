// Page links: the page view reports every address it completes a navigation to;
// an address holding "Scp=" names a script to run, with its link parameters.
#pragma once
#include <string>

namespace shell { struct Game; }

namespace view {

// followLink(address): the link target is everything after the first "Scp=";
// it runs through the script runner unless it holds ".htm" (the page file
// itself). Addresses without "Scp=" do nothing.
void followLink(shell::Game& game, const std::string& address);

}  // namespace view
