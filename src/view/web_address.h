// Hot spots that lead out of the game: a hot spot's script may be a web
// address. Only http and https addresses ever reach the user's browser.
#pragma once
#include <optional>
#include <string>

namespace view {

// The web address a hot spot's script holds: from its "http://" or "https://"
// to the end, trimmed. Nothing when it holds neither.
std::optional<std::string> webAddressIn(const std::string& script);

// Whether the script names an address of another kind ("file://", "mailto:" ...):
// a script name never holds a colon, so such a text is an address and is refused.
bool isOtherAddress(const std::string& script);

}  // namespace view
