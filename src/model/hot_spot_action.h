// What a click on a hot spot does. The link statements, the text boxes' links,
// the object icons and the map window name it with a text (a script name, a web
// address, "picFmap", or nothing); the text is read here once, where the hot
// spot is registered, and written back only for the dumps and the terminal's
// list of links.
#pragma once
#include <string>
#include <string_view>
#include <variant>

namespace model {

// The empty text: a click does nothing (and the slot shows the plain cursor).
struct NoAction {
  bool operator==(const NoAction&) const = default;
};
// A script to run: its name with what follows ("&Prm=..."), as written.
struct RunScript {
  std::string name;
  bool operator==(const RunScript&) const = default;
};
// A text holding "http://" or "https://": the address from there to the end,
// trimmed, opens in the user's browser.
struct OpenWebPage {
  std::string text;     // as written
  std::string address;  // what the browser is given
  bool operator==(const OpenWebPage&) const = default;
};
// An address of another kind ("file://", "mailto:" ...): a script name never
// holds a colon, so such a text is an address, and it is refused.
struct RefusedAddress {
  std::string text;
  bool operator==(const RefusedAddress&) const = default;
};
// "picFmap" (letter case as written): opens and closes the map page from the
// function panel and the skin; on the pictures it runs a script of that name.
struct MapSwitch {
  bool operator==(const MapSwitch&) const = default;
};

using HotSpotAction = std::variant<NoAction, RunScript, OpenWebPage, RefusedAddress, MapSwitch>;

// The action a hot spot's text names.
HotSpotAction parseHotSpotAction(std::string_view text);

// The text the action was read from: parseHotSpotAction(actionText(a)) == a.
std::string actionText(const HotSpotAction& action);

// The script name "picFmap" runs where it switches no map.
inline constexpr std::string_view kMapSwitchText = "picFmap";

}  // namespace model
