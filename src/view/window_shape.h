// The window shaped to its skin: the magenta pixels of Imp's picture are cut out.
#pragma once

namespace model { struct Game; }

namespace view {

// shapeWindow(): for every row of Imp's picture, each run of pixels that are not
// magenta adds a rectangle one pixel high to the window's shape. A window without
// a skin picture, or whose skin is all magenta, stays rectangular (it would
// otherwise vanish from the screen).
void shapeWindow(model::Game& game);

}  // namespace view
