// Colour arguments: the picture library's reading, failures as ScriptErrors.
#include "view/colour.h"

#include "model/script_error.h"

namespace view {

uint32_t colourFromHex(const std::string& text) {
  auto colour = graphics::readColour(text);
  if (!colour) throw model::ScriptError("\"" + text + "\" n\xE3o \xE9 uma cor RRGGBB");
  return *colour;
}

std::string checkedColour(const std::string& text) { return colourText(colourFromHex(text)); }

}  // namespace view
