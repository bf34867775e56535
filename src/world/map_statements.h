// The map statements: loadmap=, addmap=, defpicmap=, picmap=, showmap,
// showmap=, posmap=.
#pragma once

namespace script { class Dispatch; }

namespace world {

void registerMapStatements(script::Dispatch& dispatch);

}  // namespace world
