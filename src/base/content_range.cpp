// Content numbers into the player's ranges.
#include "base/content_range.h"

#include <algorithm>

#include "base/number.h"

namespace base {
namespace {

int within(int64_t value, int64_t low, int64_t high) { return static_cast<int>(std::clamp(value, low, high)); }

}  // namespace

int coordinateInRange(int64_t value) { return within(value, -kMaxCoordinate, kMaxCoordinate); }
int coordinateOr(std::string_view text, int fallback) { return coordinateInRange(readNumberOr(text, fallback)); }
int fontSizeInRange(int64_t value) { return within(value, 1, kMaxFontSize); }
int levelInRange(int64_t value) { return within(value, -kMaxLevel, kMaxLevel); }
int delayInRange(int64_t value) { return within(value, 0, kMaxDelay); }

}  // namespace base
