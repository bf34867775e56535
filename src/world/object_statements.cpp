// Object fields, moves and the current object; the lists and the tests live in
// object_lists.cpp and object_tests.cpp and are registered here in order.
#include "world/object_statements.h"

#include "model/argument_words.h"
#include "model/dispatch.h"
#include "model/game.h"
#include "world/object_lists.h"
#include "world/object_table.h"
#include "world/object_tests.h"

namespace world {
namespace {

using model::Statement;

constexpr const char* kNoSuchObject = "<---Este objeto n\xE3o existe!";

void readField(model::Game& game, Statement& s, std::optional<Field> chosen) {
  auto record = findObject(game.world, s.arg(2));
  if (!record) {
    s.trace += s.arg(1) + kNoSuchObject;
    return;
  }
  if (chosen) resultRegister(game, s.arg(1)) = field(game.world, *record, *chosen);
}

void writeField(model::Game& game, Statement& s, std::optional<Field> chosen, const std::string& value) {
  auto record = findObject(game.world, s.arg(1));
  if (!record) {
    s.trace += s.arg(1) + kNoSuchObject;
    return;
  }
  if (chosen) field(game.world, *record, *chosen) = resolvePlaceAliases(game, value);
}

// getobj= register,key,field
void getObject(model::Game& game, Statement& s) { readField(game, s, model::argument<'f'>(s, 3)); }

// getnomobj= ... gettagobj= register,key
template <Field Fixed>
void getFixedField(model::Game& game, Statement& s) {
  readField(game, s, Fixed);
}

// setobj= key,field,value
void setObject(model::Game& game, Statement& s) {
  if (s.arg(2).empty()) {
    s.trace += s.arg(1) + "<---N\xE3o informou a propriedade!";
    return;
  }
  writeField(game, s, model::argument<'f'>(s, 2), s.arg(3));
}

// setnomobj= ... settagobj= key,value
template <Field Fixed>
void setFixedField(model::Game& game, Statement& s) {
  writeField(game, s, Fixed, s.arg(2));
}

void moveObject(model::Game& game, const std::string& key, const std::string& place) {
  if (auto record = findObject(game.world, key)) field(game.world, *record, Field::Loc) = place;
}

void takeObject(model::Game& game, Statement& s) { moveObject(game, s.arg(1), kInventory); }
void dropObject(model::Game& game, Statement& s) { moveObject(game, s.arg(1), game.world.Posic); }
void putObject(model::Game& game, Statement& s) { moveObject(game, s.arg(1), resolvePlaceAliases(game, s.arg(2))); }

// tiratudo/poetudo from,to: everything at one place goes to another.
void moveEverything(model::Game& game, Statement& s) {
  std::string from = resolvePlaceAliases(game, s.arg(1));
  std::string to = resolvePlaceAliases(game, s.arg(2));
  if (from.empty()) {
    s.trace += "<---N\xE3o informou \"de\" onde...";
    return;
  }
  if (to.empty()) {
    s.trace += "<---N\xE3o informou \"para\" onde...";
    return;
  }
  s.trace += from + "," + to + " ";
  if (from == kInventory)
    s.trace += "<- Objetos colocados pelo jogador no objeto " + to + ".";
  else if (to != kInventory)
    s.trace += "<- Objetos em " + from + " que ser\xE3o colocados em " + to + ".";
  game.trace(s.trace);
  s.trace = "  ";
  for (size_t record : objectsAt(game.world, from)) {
    field(game.world, record, Field::Loc) = to;
    s.trace += field(game.world, record, Field::Key) + " ";
  }
}

void setCurrentObject(model::Game& game, Statement& s) { game.world.Objeto = s.arg(1); }

void getCurrentObject(model::Game& game, Statement& s) {
  s.trace += s.arg(1);
  resultRegister(game, s.arg(1)) = game.world.Objeto;
}

}  // namespace

void registerObjectStatements(model::Dispatch& dispatch) {
  static const model::StatementRow rows[] = {
      {"getobj=", {}, getObject, {{"rof", 3}},
       "`n, key, field`. Register n gets the field of the object."},
      {"getshpobj=", {}, getFixedField<Field::Shp>, {{"ro", 2}},
       "`n, key`. As `getobj=` with the field fixed by the keyword."},
      {"getdscobj=", {}, getFixedField<Field::Dsc>, {{"ro", 2}},
       "`n, key`. As `getobj=` with the field fixed by the keyword."},
      {"getnomobj=", {}, getFixedField<Field::Nom>, {{"ro", 2}},
       "`n, key`. As `getobj=` with the field fixed by the keyword."},
      {"gettagobj=", {}, getFixedField<Field::Tag>, {{"ro", 2}},
       "`n, key`. As `getobj=` with the field fixed by the keyword."},
      {"getlocobj=", {}, getFixedField<Field::Loc>, {{"ro", 2}},
       "`n, key`. As `getobj=` with the field fixed by the keyword."},
      {"setobj=", {}, setObject, {{"ofx", 2}},
       "`key, field, value`. Sets the field; the value `loc`, `@loc` or `@pos` stores the current location."},
      {"setshpobj=", {}, setFixedField<Field::Shp>, {{"ox", 1}},
       "`key, value`. As `setobj=` with the field fixed by the keyword."},
      {"setdscobj=", {}, setFixedField<Field::Dsc>, {{"ox", 1}},
       "`key, value`. As `setobj=` with the field fixed by the keyword."},
      {"setnomobj=", {}, setFixedField<Field::Nom>, {{"ox", 1}},
       "`key, value`. As `setobj=` with the field fixed by the keyword."},
      {"settagobj=", {}, setFixedField<Field::Tag>, {{"ox", 1}},
       "`key, value`. As `setobj=` with the field fixed by the keyword."},
      {"setlocobj=", {}, setFixedField<Field::Loc>, {{"ox", 1}},
       "`key, value`. As `setobj=` with the field fixed by the keyword."},
      {"tiratudo", {"poetudo"}, moveEverything, {{"xx", 2}},
       "`from, to`. Moves every object at one place to another (`loc`, `@loc`, `@pos` = here)."},
      {"pegaobj=", {"pegaobj"}, takeObject, {{"o", 1}},
       "`key`. The player takes the object (its place becomes `jog`)."},
      {"soltaobj=", {"soltaobj"}, dropObject, {{"o", 1}},
       "`key`. The player drops the object here (its place becomes the current location)."},
      {"ifobj=", {}, jumpIfObjectIsAt, {{"oxl", 3}},
       "`key, place, label`. Jumps when the object is at the place (`loc`/`@loc`/`@pos` = here)."},
      {"ifobj#", {}, jumpIfObjectIsNotAt, {{"oxl", 3}},
       "`key, place, label`. Jumps when the object is not at the place."},
      {"conta", {}, countObjects, {{"xr", 2}},
       "`place, n`. Register n gets the number of objects at the place (`loc` = here)."},
      {"lstobj=", {"lstobj"}, listObjects, {{"xr", 2}},
       "`place, n`. Register n gets the list of the objects' `dsc` phrases at the place, as \"C, B e A.\" (empty when there is none)."},
      {"lstobjlnk=", {"lstobjlnk"}, listObjectLinks, {{"xr", 2}},
       "`place, n`. As `lstobj=`, each item a page link `<a href=Scp=key>dsc</a>` that runs the script named like the object."},
      {"listaobjetos", {}, gatherObjectIcons, {{"x", 1}},
       "`loc` or `jog`. Gathers the objects there for the icon grid (at most 12); changes nothing else. Does nothing in mode \"0\"."},
      {"tem?", {}, jumpIfCarried, {{"ol", 2}},
       "`key, label`. Jumps when the player carries the object."},
      {"objeto=", {}, setCurrentObject, {{"o", 1}},
       "`key`. The current object `Objeto` becomes the key (used by `@obj` and `temos?`)."},
      {"getultobj=", {}, getCurrentObject, {{"r", 1}},
       "`n`. Register n gets the current object."},
      {"poeobj=", {}, putObject, {{"ox", 1}},
       "`key, place`. Puts the object at the place (`loc`, `@loc`, `@pos` = here; empty = nowhere)."},
      {"temos?", {}, jumpIfWeHave, {{"ol", 2}},
       "`key, label`. As `tem?`; an empty key means the current object `Objeto`."},
  };
  dispatch.add(rows);
}

}  // namespace world
