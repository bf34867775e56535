// The three marker characters of game text — "§" line break, "~" fixed blank,
// "^" comma — turned into what each display mode shows.
#pragma once
#include <string>

#include "model/display_mode.h"

namespace script {

// Replaces every occurrence of one marker according to the display mode; any
// other character given as the marker is removed from the text.
std::string convertMarkers(model::DisplayMode mode, char marker, const std::string& text);

// convertMarkers for "§", then "~", then "^", each only when present.
std::string convertAllMarkers(model::DisplayMode mode, const std::string& text);

}  // namespace script
