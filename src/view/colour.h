// Colour arguments of statements and table rows: RRGGBB texts read by the
// picture library, a text that is no colour aborting the run.
#pragma once
#include <cstdint>
#include <string>

#include "graphics/colour.h"

namespace view {

// The colour 0xRRGGBB of the text (graphics::readColour); a text that is no
// colour aborts the run (ScriptError "\"<text>\" não é uma cor RRGGBB").
uint32_t colourFromHex(const std::string& text);

// The colour text checked and written in full: colourText(colourFromHex(text)).
std::string checkedColour(const std::string& text);

using graphics::colourText;

}  // namespace view
