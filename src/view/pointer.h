// Mouse handling of the four picture surfaces (Tela, TelCmd, Imp, Tela3) and the
// wheel of the mode-"3" page. Every front end (window, events files, terminal)
// makes these calls; none of them starts a run: what a click is to run is
// returned, and the input queue runs it.
#pragma once
#include <string>

#include "model/hot_spots.h"

namespace model { struct Game; }

namespace view {

// A move: the slot under the pointer and the cursor; on the skin, while the
// button is held outside hot spots, the window follows the pointer.
void pointerMoved(model::Game& game, model::PointerSurface surface, int x, int y);

// The script a press runs before anything else: Tela's whole-picture link.
std::string pressRuns(const model::Game& game, model::PointerSurface surface);

// The slot a press goes down on: the one under the press point, found before
// the whole-picture link's run changes the hot spots (-1 for none).
int slotUnderPress(const model::Game& game, model::PointerSurface surface, int x, int y);

// A press (after that run) on the slot: its click sound plays and its pressed
// picture shows, from what the slot holds now.
void pointerPressed(model::Game& game, model::PointerSurface surface, int slot, int x, int y);

// A release: the normal picture comes back; when the release falls in the slot
// the press went down on, its action: nothing, a web address opened, the map
// toggle, or a script name, which is returned to be run.
std::string pointerReleased(model::Game& game, model::PointerSurface surface, int x, int y);

// A wheel turn at (x, y) in the mode-"3" page's box: inside it (edges included)
// the page scrolls back by delta pixels and true is returned.
bool wheelTurned(model::Game& game, int x, int y, int delta);

// The deepest the mode-"3" page can be scrolled.
int page3ScrollRange(const model::Game& game);

}  // namespace view
