// Colour texts: six hexadecimal digits RRGGBB (no "#").
#pragma once
#include <cstdint>
#include <string>

namespace view {

// colourFromHex: the pairs are taken in the order blue, green, red and read as
// one hexadecimal number in the platform's BBGGRR order, so a short text still
// fills red first ("FF" is red). Returns 0xRRGGBB. A text that does not then read
// as a hexadecimal number (the empty text among them) aborts the run (ScriptError).
uint32_t colourFromHex(const std::string& text);

// The colour as the six-digit text RRGGBB, upper case.
std::string colourText(uint32_t colour);

// The colour text checked and written in full: colourText(colourFromHex(text)).
std::string checkedColour(const std::string& text);

}  // namespace view
