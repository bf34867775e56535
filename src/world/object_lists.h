// Statements that select objects by place: conta, lstobj=, lstobjlnk= and
// listaobjetos. They see every record at the place, duplicates included.
#pragma once
#include "model/statement.h"

namespace model { struct Game; }

namespace world {

// conta place,register: how many objects are at the place.
void countObjects(model::Game& game, model::Statement& s);
// lstobj= place,register: their descriptions joined ("C, B e A.").
void listObjects(model::Game& game, model::Statement& s);
// lstobjlnk= place,register: the same, each a page link running the object's key.
void listObjectLinks(model::Game& game, model::Statement& s);
// listaobjetos loc|jog: the keys of the icons to show, at most 12, into ObjtsClk.
void gatherObjectIcons(model::Game& game, model::Statement& s);

}  // namespace world
