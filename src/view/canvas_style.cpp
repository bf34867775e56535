// Text style to canvas.
#include "view/canvas_style.h"

#include "view/colour.h"

namespace view {

void setCanvasFont(graphics::Canvas& canvas, const model::TextStyle& style) {
  canvas.fontName = style.textFontName;
  canvas.fontSize = style.textFontSize;
  canvas.fontColour = colourFromHex(style.textForeColour);
  canvas.bold = style.textBold;
  canvas.italic = style.textItalic;
  canvas.underline = style.textUnderline;
}

graphics::Canvas canvasFromStyle(const model::TextStyle& style) {
  graphics::Canvas canvas;
  canvas.brush = colourFromHex(style.textBackColour);
  setCanvasFont(canvas, style);
  return canvas;
}

}  // namespace view
