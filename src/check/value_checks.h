// How the player reads the values a game writes: colour texts through the
// player's own colour reader, and names compared without regard to case.
#pragma once
#include <string>
#include <string_view>

namespace check {

struct ColourReading {
  enum Kind { Exact, Readable, Unreadable } kind = Unreadable;
  std::string asRead;  // RRGGBB as the player reads a text that is not six digits
};

// Exact: six hex digits. Readable: the player reads it all the same (a short
// text fills red first) as asRead. Unreadable: the run stops where it is used.
ColourReading readColourText(const std::string& text);

std::string lowerCase(std::string_view text);

}  // namespace check
