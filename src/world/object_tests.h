// Statements that jump to a label on where an object is: ifobj=, ifobj#,
// tem? and temos?. A jump behaves exactly as goto.
#pragma once
#include "script/statement.h"

namespace shell { struct Game; }

namespace world {

// ifobj= key,place,label: jumps when the object is at the place.
void jumpIfObjectIsAt(shell::Game& game, script::Statement& s);
// ifobj# key,place,label: jumps when an existing object is elsewhere.
void jumpIfObjectIsNotAt(shell::Game& game, script::Statement& s);
// tem? key,label: jumps when the player carries the object.
void jumpIfCarried(shell::Game& game, script::Statement& s);
// temos? key,label: as tem?, the current object when the key is empty, with trace notes.
void jumpIfWeHave(shell::Game& game, script::Statement& s);

}  // namespace world
