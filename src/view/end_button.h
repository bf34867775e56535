// The end button btFim: its pictures ("U-" raised, "D-" pressed) and the label
// lbFim beside it.
#pragma once
#include <string>

namespace model { struct Game; }

namespace view {

// The button takes the picture name and shows "U-" + name; its size becomes the
// picture's. A missing or unreadable picture is logged and the button keeps its
// old picture (it is not part of any run, so nothing aborts).
void loadEndButtonPicture(model::Game& game, const std::string& pictureName);

// Mouse down on the button: it shows "D-" + its picture name and clicks
// ("clk0a.wav"). Mouse up: "U-" + the name again and "clk0b.wav"; the window
// then closes. A missing picture is logged and the button keeps the one it has.
void pressEndButton(model::Game& game);
void releaseEndButton(model::Game& game);

// The button at (row 64, row 65) with the picture of row 66; lbFim two pixels
// right of it and three down, font rows 69 to 71, caption row 72.
void layOutEndButton(model::Game& game);

}  // namespace view
