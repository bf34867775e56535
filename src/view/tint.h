// Greying and tinting a region of a picture (cinza=).
#pragma once
#include <QImage>
#include <cstdint>
#include <string>

namespace model { struct Game; }

namespace view {

// Colour 0 greys every pixel: L = 0.3 red + 0.59 green + 0.11 blue to the
// nearest whole number, plus the level, kept within 0..255. Any other colour
// (0xRRGGBB) tints: each channel above the colour's is lowered to it and, with a
// positive level, each channel below the colour's minus the level is raised to
// that value.
void tintPixels(QImage& picture, uint32_t colour, int level);

// tintRegion(target, colour, level, x, y, width, height), arguments as the
// statement gives them: the target "tel" (the picture of mode "1" or "3"), "fnc"
// or "pan"; a colour of six hexadecimal digits RRGGBB (empty: textBackColour, not
// hexadecimal: 0); empty numbers are 0; a width or height of 0 is the target's,
// one that is not a number the target's less the corner.
void tintRegion(model::Game& game, const std::string& target, const std::string& colour, const std::string& level,
                const std::string& x, const std::string& y, const std::string& width, const std::string& height);

}  // namespace view
