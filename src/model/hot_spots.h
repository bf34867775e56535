// The hot-spot table: 100 rectangles on the four picture surfaces that a click
// acts on, in four groups with a next-slot counter each, and what the pointer
// is doing over them (the slot under it, the cursor, a press, a window drag).
#pragma once
#include <array>
#include <string>

#include "model/hot_spot_action.h"

namespace model {

// A clickable rectangle of a surface and what a click on it does.
struct HotSpot {
  bool active = false;
  int x = 0, y = 0, width = 0, height = 0;
  int cursorCode = 0;          // 0-255; see cursors.h
  std::string picture;         // normal picture, drawn again on release; the text of a text link
  HotSpotAction action;        // what a click does (read from its text when registered)
  std::string pressedPicture;  // shown while the button is down; empty: no press effect
  std::string clickSound;      // played on press; empty: none

  // Whether the rectangle holds the point (its edges included).
  bool holds(int px, int py) const { return px >= x && px <= x + width && py >= y && py <= y + height; }
};

// The four surfaces that carry hot spots; each owns a fixed group of slots.
enum class PointerSurface { Tela, TelCmd, Imp, Tela3 };

struct SlotGroup {
  int first, last;  // inclusive
};
SlotGroup slotGroup(PointerSurface surface);
// The surface whose group holds the slot.
PointerSurface surfaceOfSlot(int slot);

// The events-file and dump names of the surfaces: "tel", "fnc", "pan", "md3".
const char* surfaceName(PointerSurface surface);

constexpr int kHotSpotSlots = 100;

struct HotSpots {
  std::array<HotSpot, kHotSpotSlots> spots;
  std::array<int, 4> next = {0, 20, 40, 60};  // the next slot of each group

  // The grid of object icons (dispobj=) keeps its place, size and columns for
  // the next grid; a width or height below 0 is the function panel's.
  struct IconGrid {
    int x = 0, y = 0, width = -1, height = -1, columns = 5;
  } iconGrid;

  // clearHotSpots: slots 0-39 and 60-99 off, counters back to their first
  // slots; the skin's slots 40-59 keep working until they are overwritten.
  void clear();
  // Switches the slots of the range off; the counters stay where they are.
  void switchOff(SlotGroup slots);
  // registerHotSpot: writes the group's next slot, switches it on and advances
  // the counter (after the group's last slot, back to its first). Returns the slot.
  int add(PointerSurface surface, HotSpot spot);
  // The last active slot of the surface's group whose rectangle holds the
  // point (edges included), or -1.
  int hitTest(PointerSurface surface, int x, int y) const;

  // One line per active slot for snapshots: slot, x, y, w, h, cursor, action text,
  // picture, pressed picture, sound, separated by tabs.
  std::string listing() const;
};

// What the pointer is doing: the slot under it and the cursor shown (found by
// the last move), the slot a press went down on, and the window drag by the skin.
struct PointerState {
  int hoveredSlot = -1;
  int cursor = 0;  // the cursor code shown over the surface the pointer is on
  PointerSurface over = PointerSurface::Tela;
  int pressedSlot = -1;  // slot the button went down on, -1 for none
  PointerSurface pressedOn = PointerSurface::Tela;
  bool buttonHeldOnSkin = false;
  int pressX = 0, pressY = 0;
  // The scroll position of the mode-"3" page (Sbox2) from the top, in pixels.
  int page3Scroll = 0;
};

}  // namespace model
