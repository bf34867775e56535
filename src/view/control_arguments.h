// The arguments the def statements share: on/off, top, left, width, height,
// then font, size, colour, style. An empty argument leaves its setting; a size
// or position that is not a number, or a bad colour, aborts the run after the
// earlier arguments took effect.
#pragma once
#include <string>

#include "graphics/surfaces.h"
#include "model/statement.h"
#include "model/screen_model.h"

namespace view {

// A number argument (a position, size or font size, so brought into the
// coordinate range), or ScriptError naming the statement.
int numberArgument(const model::Statement& s, int k);

// "on" shows the control, "off" hides it, anything else leaves it.
void applyOnOff(model::Control& control, const std::string& onOff);
// Arguments first..first+3: top, left, width, height.
void applyPlace(model::Control& control, const model::Statement& s, int first);
// Arguments first..first+3: font, size, colour, style (the style is cleared,
// then B, I, U in the first, second, third place turn bold, italic, underline on).
void applyFont(model::Control& control, const model::Statement& s, int first);
void applyFont(graphics::Canvas& canvas, const model::Statement& s, int first);

}  // namespace view
