// Reading and writing the display mode's text.
#include "model/display_mode.h"

#include "model/argument_words.h"

namespace model {

DisplayModeSetting DisplayModeSetting::parse(std::string_view text) {
  if (auto mode = readArgument<'m'>(text)) return DisplayModeSetting(*mode);
  DisplayModeSetting other(DisplayMode::Other);
  other.otherText_ = text;
  return other;
}

std::string DisplayModeSetting::text() const {
  if (mode_ == DisplayMode::Other) return otherText_;
  return std::string(argumentWord<'m'>(mode_));
}

}  // namespace model
