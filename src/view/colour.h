// Colour texts: six hexadecimal digits RRGGBB (no "#").
#pragma once
#include <cstdint>
#include <string>

namespace view {

// colourFromHex: the pairs are read in the order blue, green, red into one
// number, as the original's native colour was. Returns 0xRRGGBB. A text that does
// not then read as a hexadecimal number aborts the run (ScriptError).
uint32_t colourFromHex(const std::string& text);

}  // namespace view
