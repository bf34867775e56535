// The text box, drawn on one line.
#include "view/text_box.h"

#include "graphics/canvas_text.h"
#include "graphics/fonts.h"
#include "shell/game.h"
#include "view/colour.h"
#include "view/pictures.h"

namespace view {

void drawTextBox(shell::Game& game, const TextBox& box, graphics::SurfaceId target) {
  auto& surfaces = game.surfaces;
  QImage& surface = target == graphics::SurfaceId::Tela     ? surfaces.BufTela
                    : target == graphics::SurfaceId::TelCmd  ? surfaces.BufFunc
                    : target == graphics::SurfaceId::TelMod3 ? telMod3(game)
                                                   : surfaces.image(target);
  graphics::Canvas canvas;
  const graphics::StyleFlags flags = graphics::styleFromLetters(box.style);
  canvas.fontName = game.screen.style.textFontName;
  canvas.fontSize = box.size;
  canvas.fontColour = colourFromHex(box.colour);
  canvas.brush = colourFromHex(box.background);
  canvas.bold = flags.bold;
  canvas.italic = flags.italic;
  canvas.underline = flags.underline;
  graphics::drawCanvasText(surface, canvas, box.x, box.y, box.text, false);
  game.host.repaint();
}

}  // namespace view
