// Jumps on an object's place.
#include "world/object_tests.h"

#include "script/jump_statements.h"
#include "model/game.h"
#include "world/object_table.h"

namespace world {
namespace {

constexpr const char* kJumped = " <-Saltou...";
constexpr const char* kNotJumped = " <-N\xC3O saltou...";

// The object's place, or nothing when there is no such object.
std::optional<std::string> placeOf(const model::Game& game, const std::string& key) {
  auto record = findObject(game.world, key);
  if (!record) return std::nullopt;
  return field(game.world, *record, Field::Loc);
}

// The common part of ifobj= and ifobj#: trace, then jump when the test holds.
void jumpOnPlace(model::Game& game, model::Statement& s, bool wantAt) {
  auto place = placeOf(game, s.arg(1));
  if (!place) {
    if (wantAt) s.trace += s.arg(1) + ",<---Objeto n\xE3o existe!";
    return;
  }
  std::string wanted = resolvePlaceAliases(game, s.arg(2));
  bool holds = (*place == wanted) == wantAt;
  s.trace += s.arg(1) + "," + wanted + "," + s.arg(3) + (holds ? kJumped : kNotJumped);
  if (holds) script::goToLabel(game, s.arg(3));
}

}  // namespace

void jumpIfObjectIsAt(model::Game& game, model::Statement& s) { jumpOnPlace(game, s, true); }
void jumpIfObjectIsNotAt(model::Game& game, model::Statement& s) { jumpOnPlace(game, s, false); }

void jumpIfCarried(model::Game& game, model::Statement& s) {
  if (placeOf(game, s.arg(1)) == kInventory) script::goToLabel(game, s.arg(2));
}

void jumpIfWeHave(model::Game& game, model::Statement& s) {
  const std::string key = s.arg(1).empty() ? game.world.Objeto : s.arg(1);
  s.trace += key + ",";
  auto place = placeOf(game, key);
  if (!place) {
    s.trace += " <---Objeto n\xE3o existe!";
    return;
  }
  bool holds = *place == kInventory;
  s.trace += s.arg(2) + (holds ? kJumped : kNotJumped);
  if (holds) script::goToLabel(game, s.arg(2));
}

}  // namespace world
