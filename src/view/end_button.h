// The end button btFim: its "U-" picture and the label lbFim beside it.
#pragma once
#include <string>

namespace shell { struct Game; }

namespace view {

// The button takes the picture name and shows "U-" + name; its size becomes the
// picture's. A missing or unreadable picture is logged and the button keeps its
// old picture (it is not part of any run, so nothing aborts).
void loadEndButtonPicture(shell::Game& game, const std::string& pictureName);

// The button at (row 64, row 65) with the picture of row 66; lbFim two pixels
// right of it and three down, font rows 69 to 71, caption row 72.
void layOutEndButton(shell::Game& game);

}  // namespace view
