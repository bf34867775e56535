// The saved-state statements: reset (objects, registers, the saved map picture)
// and the two keywords recall= and saveregs, recognised and without effect.
#pragma once

namespace model { class Dispatch; }

namespace world {

void registerGameStateStatements(model::Dispatch& dispatch);

}  // namespace world
