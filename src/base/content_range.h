// Numbers a game gives (statement arguments, table rows) brought into the ranges
// the player computes with. Every position, size, font size, level and delay
// from content passes through here, so no sum or product the player forms from
// them can overflow, and no pause can outlast a player's patience.
#pragma once
#include <cstdint>
#include <string_view>

namespace base {

constexpr int kMaxCoordinate = 1 << 24;  // pixels, either way from 0
constexpr int kMaxFontSize = 1000;       // points
constexpr int kMaxLevel = 255;           // a grey or tint level, either way from 0
constexpr int kMaxDelay = 1000;          // milliseconds of one pause

// A position or size in pixels: -kMaxCoordinate .. kMaxCoordinate.
int coordinateInRange(int64_t value);
// A number text read as a position or size in pixels (readNumberOr, then into range).
int coordinateOr(std::string_view text, int fallback);
// A font size in points: 1 .. kMaxFontSize.
int fontSizeInRange(int64_t value);
// A colour level: -kMaxLevel .. kMaxLevel.
int levelInRange(int64_t value);
// A pause in milliseconds: 0 .. kMaxDelay.
int delayInRange(int64_t value);

}  // namespace base
