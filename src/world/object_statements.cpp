// Object fields, moves and the current object; the lists and the tests live in
// object_lists.cpp and object_tests.cpp and are registered here in order.
#include "world/object_statements.h"

#include "script/dispatch.h"
#include "shell/game.h"
#include "world/object_lists.h"
#include "world/object_table.h"
#include "world/object_tests.h"

namespace world {
namespace {

using script::Statement;

constexpr const char* kNoSuchObject = "<---Este objeto n\xE3o existe!";

void readField(shell::Game& game, Statement& s, const std::string& fieldName) {
  auto record = findObject(game.world, s.arg(2));
  if (!record) {
    s.trace += s.arg(1) + kNoSuchObject;
    return;
  }
  if (auto f = fieldNamed(fieldName)) resultRegister(game, s.arg(1)) = field(game.world, *record, *f);
}

void writeField(shell::Game& game, Statement& s, const std::string& fieldName, const std::string& value) {
  auto record = findObject(game.world, s.arg(1));
  if (!record) {
    s.trace += s.arg(1) + kNoSuchObject;
    return;
  }
  if (auto f = fieldNamed(fieldName)) field(game.world, *record, *f) = resolvePlaceAliases(game, value);
}

// getobj= register,key,field
void getObject(shell::Game& game, Statement& s) { readField(game, s, s.arg(3)); }

// getnomobj= ... gettagobj= register,key
template <const char* Name>
void getFixedField(shell::Game& game, Statement& s) {
  readField(game, s, Name);
}

// setobj= key,field,value
void setObject(shell::Game& game, Statement& s) {
  if (s.arg(2).empty()) {
    s.trace += s.arg(1) + "<---N\xE3o informou a propriedade!";
    return;
  }
  writeField(game, s, s.arg(2), s.arg(3));
}

// setnomobj= ... settagobj= key,value
template <const char* Name>
void setFixedField(shell::Game& game, Statement& s) {
  writeField(game, s, Name, s.arg(2));
}

void moveObject(shell::Game& game, const std::string& key, const std::string& place) {
  if (auto record = findObject(game.world, key)) field(game.world, *record, Field::Loc) = place;
}

void takeObject(shell::Game& game, Statement& s) { moveObject(game, s.arg(1), kInventory); }
void dropObject(shell::Game& game, Statement& s) { moveObject(game, s.arg(1), game.world.Posic); }
void putObject(shell::Game& game, Statement& s) { moveObject(game, s.arg(1), resolvePlaceAliases(game, s.arg(2))); }

// tiratudo/poetudo from,to: everything at one place goes to another.
void moveEverything(shell::Game& game, Statement& s) {
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

void setCurrentObject(shell::Game& game, Statement& s) { game.world.Objeto = s.arg(1); }

void getCurrentObject(shell::Game& game, Statement& s) {
  s.trace += s.arg(1);
  resultRegister(game, s.arg(1)) = game.world.Objeto;
}

constexpr char kNom[] = "nom", kDsc[] = "dsc", kLoc[] = "loc", kShp[] = "shp", kTag[] = "tag";

}  // namespace

void registerObjectStatements(script::Dispatch& dispatch) {
  dispatch.add("getobj=", getObject);
  dispatch.add("getshpobj=", getFixedField<kShp>);
  dispatch.add("getdscobj=", getFixedField<kDsc>);
  dispatch.add("getnomobj=", getFixedField<kNom>);
  dispatch.add("gettagobj=", getFixedField<kTag>);
  dispatch.add("getlocobj=", getFixedField<kLoc>);
  dispatch.add("setobj=", setObject);
  dispatch.add("setshpobj=", setFixedField<kShp>);
  dispatch.add("setdscobj=", setFixedField<kDsc>);
  dispatch.add("setnomobj=", setFixedField<kNom>);
  dispatch.add("settagobj=", setFixedField<kTag>);
  dispatch.add("setlocobj=", setFixedField<kLoc>);
  dispatch.add("tiratudo", moveEverything);
  dispatch.add("poetudo", moveEverything);
  dispatch.add("pegaobj=", takeObject);
  dispatch.add("pegaobj", takeObject);
  dispatch.add("soltaobj=", dropObject);
  dispatch.add("soltaobj", dropObject);
  dispatch.add("ifobj=", jumpIfObjectIsAt);
  dispatch.add("ifobj#", jumpIfObjectIsNotAt);
  dispatch.add("conta", countObjects);
  dispatch.add("lstobj=", listObjects);
  dispatch.add("lstobj", listObjects);
  dispatch.add("lstobjlnk=", listObjectLinks);
  dispatch.add("lstobjlnk", listObjectLinks);
  dispatch.add("listaobjetos", gatherObjectIcons);
  dispatch.add("tem?", jumpIfCarried);
  dispatch.add("objeto=", setCurrentObject);
  dispatch.add("getultobj=", getCurrentObject);
  dispatch.add("poeobj=", putObject);
  dispatch.add("temos?", jumpIfWeHave);
}

}  // namespace world
