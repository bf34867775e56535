// Reading and writing the display mode's text.
#include "model/display_mode.h"

namespace model {
namespace {

constexpr std::string_view kModeTexts[] = {"0", "1", "2", "3"};

}  // namespace

DisplayModeSetting DisplayModeSetting::parse(std::string_view text) {
  for (size_t i = 0; i < std::size(kModeTexts); ++i)
    if (text == kModeTexts[i]) return DisplayModeSetting(static_cast<DisplayMode>(i));
  DisplayModeSetting other(DisplayMode::Other);
  other.otherText_ = text;
  return other;
}

std::string DisplayModeSetting::text() const {
  if (mode_ == DisplayMode::Other) return otherText_;
  return std::string(kModeTexts[static_cast<size_t>(mode_)]);
}

}  // namespace model
