// The map toggle of the "picFmap" hot spots on the function panel and the skin:
// the viewer shows the map page, or goes back to the page of the display mode.
#pragma once

namespace shell { struct Game; }

namespace view {

// Opening hides the command box and remembers it and the viewer's height;
// closing shows the page of Modelo and gives both back.
void toggleMapPage(shell::Game& game);

}  // namespace view
