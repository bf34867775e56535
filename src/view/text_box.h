// Text boxes: text drawn straight into a picture surface with its own size,
// colour and style. This first version draws the text on one line at (x, y);
// word wrapping, paragraph marks and link tokens come with the full text box.
#pragma once
#include <string>

#include "graphics/surfaces.h"

namespace shell { struct Game; }

namespace view {

struct TextBox {
  std::string text;        // Windows-1252, markers not converted
  std::string colour;      // RRGGBB
  std::string style;       // three letters, "biu" plain
  std::string background;  // RRGGBB (the text is drawn over what is there)
  int x = 0, y = 0, width = 0, height = 0, size = 16;
};

// drawTextBox: on TelMod3 directly, on Tela through BufTela, on TelCmd through
// BufFunc, on Imp directly. A bad colour aborts the run.
void drawTextBox(shell::Game& game, const TextBox& box, graphics::SurfaceId target);

}  // namespace view
