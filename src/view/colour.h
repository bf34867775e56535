// Colour arguments of statements and table rows: RRGGBB texts read as
// graphics::Colour, a text that is no colour aborting the run.
#pragma once
#include <cstdint>
#include <string>

#include "graphics/colour.h"

namespace view {

// The colour of the text (graphics::Colour::read); a text that is no colour
// aborts the run (ScriptError "\"<text>\" não é uma cor RRGGBB").
graphics::Colour colourArgument(const std::string& text);

// The same as the 0xRRGGBB number a canvas or a surface takes.
inline uint32_t colourFromHex(const std::string& text) { return colourArgument(text).rgb(); }

}  // namespace view
