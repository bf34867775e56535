// Loading picture files into surfaces and laying them over one another. Every
// picture file is read into the scratch surface BufShp first when it is to be
// laid over something; magenta FF00FF stays transparent.
#pragma once
#include <string>

#include "graphics/surfaces.h"
#include "model/screen_model.h"

namespace model { struct Game; }

namespace view {

// Whether a name is a picture file for display=: it holds ".gif", ".png",
// ".jpg" or ".bmp" (lower case).
bool isPictureName(const std::string& name);

// loadPicture(name, surface): reads the game file into the surface. A missing
// file is noted in the debug log and still tried. The format follows every
// lower-case extension the name holds, in the order .png, .jpg, .bmp, .gif
// (a name with two is read twice; the last success wins). An empty name empties
// the surface. Tela and TelCmd are composed through BufShp into BufTela and
// BufFunc instead. A PNG that cannot be opened or read aborts the run; other
// broken files leave the surface's picture as it was.
void loadPicture(model::Game& game, const std::string& name, graphics::SurfaceId surface);

// placePicture(name, x, y, w, h, target): reads the file into BufShp and lays it
// over the target at (x, y), stretched to w x h unless that is its own size
// (w or h 0: its own width or height). Tela in mode "1" means BufTela, TelCmd
// means BufFunc. On TelMod3 the page grows to fit and textY advances by the
// picture's height.
void placePicture(model::Game& game, const std::string& name, int x, int y, int w, int h, graphics::SurfaceId target);

// The mode-"3" page TelMod3, created at its first size 650 x 390 in its brush
// colour when it has no picture yet.
QImage& telMod3(model::Game& game);

// Gives TelMod3 a new height, keeping what it shows; new rows take its brush.
void setTelMod3Height(model::Game& game, int height);

}  // namespace view
