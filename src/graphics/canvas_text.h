// Text drawn on a surface with a canvas's font and brush, as a script's text
// lands on pictures (msg= in mode "3", object titles, the end-of-line texts).
#pragma once
#include <QRect>
#include <optional>
#include <string>

#include "graphics/surfaces.h"

namespace graphics {

// The text's width and height in the canvas's font.
QSize canvasTextSize(const Canvas& canvas, const std::string& text);

// Draws the text (Windows-1252) with its top-left corner at (x, y). With an
// opaque background the text's box is first filled with the brush. Drawing is
// kept inside `clip` when one is given. Returns the text's width in pixels.
int drawCanvasText(QImage& surface, const Canvas& canvas, int x, int y, const std::string& text, bool opaque,
                   const std::optional<QRect>& clip = std::nullopt);

}  // namespace graphics
