// display= / display: a picture file or a text on one of the screen targets
// "tel" (the picture of the mode), "fnc" (the function panel), "pan" (the skin).
#pragma once

namespace model { struct Statement; }
namespace model { struct Game; }

namespace view {

void display(model::Game& game, model::Statement& s);

}  // namespace view
