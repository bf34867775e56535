// Text boxes: word-wrapped text drawn straight into a picture surface with its
// own size, colour and style. "§" starts a new line on the mode-"3" page and
// "@link text|script|" becomes a clickable word with a hot spot.
#pragma once
#include <string>
#include <vector>

#include "graphics/surfaces.h"

namespace model { struct Game; }

namespace view {

struct TextBox {
  std::string text;        // Windows-1252, markers not converted; "$" is the whole of Memo3
  std::string colour;      // RRGGBB; empty: textForeColour
  std::string style;       // three letters, "biu" plain; empty: plain
  std::string background;  // RRGGBB; "0": textBackColour (the text is drawn over what is there)
  int x = -1, y = -1;      // -1: textX, textY
  int width = 0, height = 0;  // 0: to the target's right edge, bottom edge
  int size = 0;               // points; 0: textFontSize
};

// One entry of a box's text: a word with its trailing blank, a paragraph mark,
// or a link (its text, and the script a click runs).
struct TextBoxEntry {
  enum class Kind { Word, Paragraph, Link } kind = Kind::Word;
  std::string text;
  std::string script;
};

// The box's text as entries, split at blanks; link texts may hold blanks.
std::vector<TextBoxEntry> splitTextBox(const std::string& text);

// drawTextBox: on TelMod3 (growing it as lines pass its bottom), on Tela through
// BufTela, on TelCmd through BufFunc, on Imp directly. Link hot spots go into
// the target's group; textY ends below the last line. A bad colour aborts the run.
void drawTextBox(model::Game& game, TextBox box, graphics::SurfaceId target);

}  // namespace view
