// The map statements: loadmap=, addmap=, defpicmap=, picmap=, showmap,
// showmap=, posmap=.
#pragma once

namespace model { class Dispatch; }

namespace world {

void registerMapStatements(model::Dispatch& dispatch);

}  // namespace world
