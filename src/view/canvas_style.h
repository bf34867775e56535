// Canvases prepared from the game's text style (the fonte= and cor= settings).
#pragma once
#include "graphics/surfaces.h"
#include "model/screen_model.h"

namespace view {

// A canvas prepared from the text style: brush textBackColour, font textFontName
// in textFontSize and textForeColour with the three flags. Bad colours abort the
// run (ScriptError).
graphics::Canvas canvasFromStyle(const model::TextStyle& style);

// Sets the canvas's font and colour from the style (the brush stays).
void setCanvasFont(graphics::Canvas& canvas, const model::TextStyle& style);

}  // namespace view
