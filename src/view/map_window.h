// The map window: a piece of the map drawn in a black one-pixel frame onto the
// picture panel's buffer ("tel"), the function panel's buffer ("fnc") or the
// window skin ("pan"); a click on it opens the map page.
#pragma once

namespace model { struct Game; }

namespace view {

// Draws the window of the map-window definition at the current origin; a
// target other than "tel", "fnc", "pan" draws nothing. Returns whether it drew.
bool drawMapWindow(model::Game& game);

}  // namespace view
