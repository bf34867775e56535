// Drawing text on TelMod3.
#include "view/picture_text.h"

#include "graphics/canvas_text.h"
#include "model/game.h"
#include "view/canvas_style.h"
#include "view/pictures.h"

namespace view {

void prepareTextCanvas(model::Game& game) { game.surfaces.canvas.TelMod3 = canvasFromStyle(game.screen.style); }

void drawTextAtTextPosition(model::Game& game, const std::string& text) {
  prepareTextCanvas(game);
  auto& surfaces = game.surfaces;
  graphics::drawCanvasText(telMod3(game), surfaces.canvas.TelMod3, game.screen.textX, game.screen.textY, text, true);
  game.host.repaint();
}

}  // namespace view
