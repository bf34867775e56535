// Statements that jump to a label on where an object is: ifobj=, ifobj#,
// tem? and temos?. A jump behaves exactly as goto.
#pragma once
#include "model/statement.h"

namespace model { struct Game; }

namespace world {

// ifobj= key,place,label: jumps when the object is at the place.
void jumpIfObjectIsAt(model::Game& game, model::Statement& s);
// ifobj# key,place,label: jumps when an existing object is elsewhere.
void jumpIfObjectIsNotAt(model::Game& game, model::Statement& s);
// tem? key,label: jumps when the player carries the object.
void jumpIfCarried(model::Game& game, model::Statement& s);
// temos? key,label: as tem?, the current object when the key is empty, with trace notes.
void jumpIfWeHave(model::Game& game, model::Statement& s);

}  // namespace world
