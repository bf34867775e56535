// The three marker characters of game text — "§" line break, "~" fixed blank,
// "^" comma — turned into what each display mode shows.
#pragma once
#include <string>

namespace script {

// Replaces every occurrence of one marker according to the display mode; any
// other character given as the marker is removed from the text.
std::string convertMarkers(const std::string& mode, char marker, const std::string& text);

// convertMarkers for "§", then "~", then "^", each only when present.
std::string convertAllMarkers(const std::string& mode, const std::string& text);

}  // namespace script
