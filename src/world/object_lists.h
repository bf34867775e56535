// Statements that select objects by place: conta, lstobj=, lstobjlnk= and
// listaobjetos. They see every record at the place, duplicates included.
#pragma once
#include "script/statement.h"

namespace shell { struct Game; }

namespace world {

// conta place,register: how many objects are at the place.
void countObjects(shell::Game& game, script::Statement& s);
// lstobj= place,register: their descriptions joined ("C, B e A.").
void listObjects(shell::Game& game, script::Statement& s);
// lstobjlnk= place,register: the same, each a page link running the object's key.
void listObjectLinks(shell::Game& game, script::Statement& s);
// listaobjetos loc|jog: the keys of the icons to show, at most 12, into ObjtsClk.
void gatherObjectIcons(shell::Game& game, script::Statement& s);

}  // namespace world
