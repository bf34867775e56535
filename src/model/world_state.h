// The world model's state: where the player is, the current object, the eight
// exits of the current location, and the object lists.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "base/text.h"

namespace model {

// Exit slots in their stored order.
enum class Direction { North, South, East, West, Up, Down, In, Out };
constexpr size_t kDirectionCount = 8;

struct WorldState {
  std::string Posic;   // the current location's script
  std::string Objeto;  // the current object key
  std::array<std::string, kDirectionCount> exits;

  base::Lines Objs;      // object keys, kept sorted without case
  base::Lines Objx;      // object records, 8 lines each, in the order of Objs
  base::Lines ObjtsClk;  // keys of the clickable objects on show

  // Whether the game's files were loaded (a game start). Until then the lists
  // hold no game's state, and the shut-down must not write them over its files.
  bool gameLoaded = false;
};

// The word of each exit ("norte" ... "sair"), in slot order.
const std::array<const char*, kDirectionCount>& directionWords();
// The exit slot a direction word names, or nothing.
std::optional<size_t> directionSlot(std::string_view word);

}  // namespace model
