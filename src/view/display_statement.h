// display= / display: a picture file or a text on one of the screen targets
// "tel" (the picture of the mode), "fnc" (the function panel), "pan" (the skin).
#pragma once

namespace script { struct Statement; }
namespace shell { struct Game; }

namespace view {

void display(shell::Game& game, script::Statement& s);

}  // namespace view
