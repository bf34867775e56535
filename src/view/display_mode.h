// Switching the display mode (modo=, setmode=): the viewer shows the mode's page
// and the page is made ready for the mode's text.
#pragma once
#include "model/display_mode.h"

namespace model { struct Game; }

namespace view {

// setDisplayMode(mode): empties the command box, sets Modelo to the mode
// (whatever a script named) and shows the function panel by row 53; then for
// "0" to "3" lays out that mode's page: "2" starts a fresh page and gives it the focus, "3"
// gives TelMod3 a fresh picture in the text style and resets the text position.
void setDisplayMode(model::Game& game, const model::DisplayModeSetting& mode);

}  // namespace view
