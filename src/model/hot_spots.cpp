// The hot-spot table.
#include "model/hot_spots.h"

#include "model/argument_words.h"

namespace model {

SlotGroup slotGroup(PointerSurface surface) {
  switch (surface) {
    case PointerSurface::Tela: return {0, 19};
    case PointerSurface::TelCmd: return {20, 39};
    case PointerSurface::Imp: return {40, 59};
    case PointerSurface::Tela3: return {60, 99};
  }
  return {0, 19};
}

PointerSurface surfaceOfSlot(int slot) {
  if (slot < 20) return PointerSurface::Tela;
  if (slot < 40) return PointerSurface::TelCmd;
  if (slot < 60) return PointerSurface::Imp;
  return PointerSurface::Tela3;
}

const char* surfaceName(PointerSurface surface) { return argumentWord<'g'>(surface).data(); }

void HotSpots::clear() {
  for (int slot = 0; slot < kHotSpotSlots; ++slot)
    if (slot < 40 || slot >= 60) spots[static_cast<size_t>(slot)].active = false;
  next = {0, 20, 40, 60};
}

void HotSpots::switchOff(SlotGroup slots) {
  for (int slot = slots.first; slot <= slots.last; ++slot) spots[static_cast<size_t>(slot)].active = false;
}

int HotSpots::add(PointerSurface surface, HotSpot spot) {
  const SlotGroup group = slotGroup(surface);
  int& counter = next[static_cast<size_t>(surface)];
  if (counter < group.first || counter > group.last) counter = group.first;
  const int slot = counter;
  spot.active = true;
  spots[static_cast<size_t>(slot)] = std::move(spot);
  counter = slot == group.last ? group.first : slot + 1;
  return slot;
}

int HotSpots::hitTest(PointerSurface surface, int x, int y) const {
  const SlotGroup group = slotGroup(surface);
  for (int slot = group.last; slot >= group.first; --slot) {
    const HotSpot& spot = spots[static_cast<size_t>(slot)];
    if (spot.active && spot.holds(x, y)) return slot;
  }
  return -1;
}

std::string HotSpots::listing() const {
  std::string text;
  for (int slot = 0; slot < kHotSpotSlots; ++slot) {
    const HotSpot& spot = spots[static_cast<size_t>(slot)];
    if (!spot.active) continue;
    for (const std::string& field :
         {std::to_string(slot), std::to_string(spot.x), std::to_string(spot.y), std::to_string(spot.width),
          std::to_string(spot.height), std::to_string(spot.cursorCode), actionText(spot.action), spot.picture,
          spot.pressedPicture})
      text += field + "\t";
    text += spot.clickSound + "\n";
  }
  return text;
}

}  // namespace model
