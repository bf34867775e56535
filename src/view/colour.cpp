// Colour arguments: the picture library's reading, failures as ScriptErrors.
#include "view/colour.h"

#include "model/script_error.h"

namespace view {

graphics::Colour colourArgument(const std::string& text) {
  auto colour = graphics::Colour::read(text);
  if (!colour) throw model::ScriptError("\"" + text + "\" n\xE3o \xE9 uma cor RRGGBB");
  return *colour;
}

}  // namespace view
