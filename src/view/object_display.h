// showobj=: the title, description or picture of an object shown by display mode.
#pragma once

namespace model { struct Statement; }
namespace model { struct Game; }

namespace view {

// showobj= name, part ("tit", "dsc", "shp"), then per part and mode: mode "0"
// types titles and descriptions; mode "1" adds them to the strip or draws a title
// on "tel" or "fnc" and stretches the picture onto "tel", "fnc" or "pan"; mode
// "2" writes page lines; mode "3" shows nothing.
void showObject(model::Game& game, model::Statement& s);

}  // namespace view
