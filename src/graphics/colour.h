// Colour texts: six hexadecimal digits RRGGBB (no "#").
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace graphics {

// readColour: the pairs are taken in the order blue, green, red and read as one
// hexadecimal number in the platform's BBGGRR order, so a short text still fills
// red first ("FF" is red). Returns 0xRRGGBB, or nothing when the text does not
// then read as a hexadecimal number (the empty text among them).
std::optional<uint32_t> readColour(const std::string& text);

// The colour as the six-digit text RRGGBB, upper case.
std::string colourText(uint32_t colour);

}  // namespace graphics
