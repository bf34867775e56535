// Reading layout values from the definitions table and putting them on
// controls: numbers, colours, switches, fonts and geometry.
#pragma once
#include <string>

#include "graphics/colour.h"
#include "graphics/surfaces.h"
#include "model/screen_model.h"

namespace model { struct Game; }

namespace view {

// The largest width or height a size row may give a control (and so the
// surface that shows it): larger, a few rows would take gigabytes.
constexpr int kMaxLayoutSide = 4096;

// A numeric row. Every run lays the screen out again from the table, so a bad
// row must not stop play: a row that is not a number reads as its built-in
// default (0 past the built-in rows), and a size row past kMaxLayoutSide as
// kMaxLayoutSide.
int rowNumber(const model::Game& game, int row);
// A colour row; a bad colour reads as the built-in default of the row (black
// past the built-in rows).
graphics::Colour rowColour(const model::Game& game, int row);

// Notes in the debug log every layout row that is not what the layout needs
// (not a number, a size too large), with the value used instead.
void logBadLayoutRows(model::Game& game);

// The control's font from a face, a size in points, a colour and style letters.
void setControlFont(model::Control& control, const std::string& face, int size, graphics::Colour colour,
                    const std::string& styleLetters);
// The control's font from rows: face, size, colour and style rows (-1: plain).
void setControlFontFromRows(const model::Game& game, model::Control& control, int faceRow, int sizeRow, int colourRow,
                            int styleRow);

// The message font: face row 15, size row 16, in the colour, with the style letters.
void setMessageFont(const model::Game& game, graphics::Canvas& canvas, graphics::Colour colour, const std::string& styleLetters);

void setGeometry(model::Control& control, int x, int y, int width, int height);

}  // namespace view
