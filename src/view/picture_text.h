// Text on the mode-"3" page TelMod3 with the current text style.
#pragma once
#include <string>

namespace model { struct Game; }

namespace view {

// Sets TelMod3's canvas from the text style (bad colours abort the run).
void prepareTextCanvas(model::Game& game);
// Draws the text with its top-left corner at (textX, textY); the position stays.
void drawTextAtTextPosition(model::Game& game, const std::string& text);

}  // namespace view
