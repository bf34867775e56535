// Page links: the page view reports the address of every link the player
// follows. An address holding "Scp=" names a script to run, with its link
// parameters; a page of the game folder is shown in the page view; a web
// address opens in the user's browser; anything else is refused with a message.
#pragma once
#include <optional>
#include <string>

namespace model { struct Game; }

namespace view {

// followLink(address) -> the script the link runs, which the shell runs
// (shell/input_wiring.h). With "Scp=": everything after the first "Scp=",
// unless it holds ".htm" (the page file itself). Every other link runs nothing
// and is handled here: "#..." (a place on the page on show) does nothing;
// "http://" and "https://" go to the browser; a name relative to the page on
// show, or a path or "file://" address inside the game folder, shows that
// ".htm"/".html" page (found as every game file is); a missing page, a file
// that is no page, a name leading out of the folder and every other scheme are
// reported in the error box.
std::optional<std::string> followLink(model::Game& game, const std::string& address);

}  // namespace view
