// Def statement arguments to controls and canvases.
#include "view/control_arguments.h"

#include <algorithm>

#include "base/content_range.h"
#include "base/number.h"
#include "graphics/fonts.h"
#include "model/argument_words.h"
#include "model/script_error.h"
#include "view/colour.h"

namespace view {
namespace {

// The font arguments as one change, applied in order to either kind of target.
template <typename Target, typename SetColour>
void applyFontTo(Target& target, const model::Statement& s, int first, std::string& name, int& size,
                 SetColour setColour) {
  if (!s.arg(first).empty()) name = s.arg(first);
  if (!s.arg(first + 1).empty()) size = numberArgument(s, first + 1);
  if (!s.arg(first + 2).empty()) setColour(colourArgument(s.arg(first + 2)));
  if (!s.arg(first + 3).empty()) {
    const graphics::StyleFlags flags = graphics::styleFromLetters(s.arg(first + 3));
    target.bold = flags.bold;
    target.italic = flags.italic;
    target.underline = flags.underline;
  }
}

}  // namespace

int numberArgument(const model::Statement& s, int k) {
  if (auto number = base::readNumber(s.arg(k))) return base::coordinateInRange(*number);
  throw model::ScriptError(s.keyword + ": \"" + s.arg(k) + "\" n\xE3o \xE9 um n\xFAmero");
}

void applyOnOff(model::Control& control, const std::string& onOff) {
  const auto shown = model::readArgument<'e'>(onOff);
  if (shown) control.visible = shown == model::Switch::On;
}

void applyPlace(model::Control& control, const model::Statement& s, int first) {
  int* fields[] = {&control.y, &control.x, &control.width, &control.height};
  for (int i = 0; i < 4; ++i) {
    if (s.arg(first + i).empty()) continue;
    const int value = graphics::clampCoordinate(numberArgument(s, first + i));
    *fields[i] = i < 2 ? value : std::max(value, 0);  // a size is never negative
  }
}

void applyFont(model::Control& control, const model::Statement& s, int first) {
  applyFontTo(control, s, first, control.fontName, control.fontSize,
              [&](graphics::Colour colour) { control.fontColour = colour; });
}

void applyFont(graphics::Canvas& canvas, const model::Statement& s, int first) {
  applyFontTo(canvas, s, first, canvas.fontName, canvas.fontSize, [&](graphics::Colour colour) { canvas.fontColour = colour.rgb(); });
}

}  // namespace view
