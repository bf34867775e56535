// Cursor codes of hot spots: what the pointer looks like over a slot, and the
// cursor each surface shows where no slot is.
#pragma once

namespace model {
struct Game;
enum class PointerSurface;
}  // namespace model

namespace view {

// The shapes, numbered by their codes; codes above 11 show the arrow.
enum class CursorShape {
  Arrow = 0,
  ForwardArrow = 1,  // pointing up (north); also Tela's while a whole-picture link is set
  DownArrow = 2,
  RightArrow = 3,
  PointingHand = 4,  // also the skin's outside hot spots
  NoEntry = 5,
  LeftArrow = 6,
  Sight = 7,         // a circle with a cross
  Hidden = 8,
  GridHand = 9,      // a hand over a grid
  Hourglass = 10,
  Crosshair = 11,
};

// cursorFor(code): the shape of a cursor code.
CursorShape cursorFor(int code);

// Its name in snapshots ("arrow", "forwardArrow" ...).
const char* cursorName(CursorShape shape);

// The code a surface shows outside its hot spots: the arrow, the forward arrow
// on Tela while a whole-picture link is set, the pointing hand on the skin.
int baseCursor(const model::Game& game, model::PointerSurface surface);

}  // namespace view
