// The text box, drawn on one line.
#include "view/text_box.h"

#include "shell/game.h"
#include "view/canvas_text.h"
#include "view/colour.h"
#include "view/fonts.h"
#include "view/pictures.h"

namespace view {

void drawTextBox(shell::Game& game, const TextBox& box, SurfaceId target) {
  auto& surfaces = game.surfaces;
  QImage& surface = target == SurfaceId::Tela     ? surfaces.BufTela
                    : target == SurfaceId::TelCmd  ? surfaces.BufFunc
                    : target == SurfaceId::TelMod3 ? telMod3(game)
                                                   : surfaces.image(target);
  Canvas canvas;
  const StyleFlags flags = styleFromLetters(box.style);
  canvas.fontName = game.screen.style.textFontName;
  canvas.fontSize = box.size;
  canvas.fontColour = colourFromHex(box.colour);
  canvas.brush = colourFromHex(box.background);
  canvas.bold = flags.bold;
  canvas.italic = flags.italic;
  canvas.underline = flags.underline;
  drawCanvasText(surface, canvas, box.x, box.y, box.text, false);
  game.host.repaint();
}

}  // namespace view
