// Object records, lookup and place aliases.
#include "world/object_table.h"

#include <utility>

#include "base/number.h"
#include "model/script_error.h"
#include "model/game.h"

namespace world {

namespace {

[[noreturn]] void missingRecord(const model::WorldState& world, size_t record) {
  throw model::ScriptError("a tabela de objetos tem " + std::to_string(world.Objx.size()) +
                            " linhas e n\xE3o tem o registro " + std::to_string(record + 1) + " de " +
                            std::to_string(world.Objs.size()) + " objetos (arquivo .obx incompleto)");
}

}  // namespace

const std::string& field(const model::WorldState& world, size_t record, Field f) {
  const std::string* line = model::ObjectTable(world.Objx).line(record, f);
  if (!line) missingRecord(world, record);
  return *line;
}

std::string& field(model::WorldState& world, size_t record, Field f) {
  return const_cast<std::string&>(field(std::as_const(world), record, f));
}

std::optional<size_t> findObject(const model::WorldState& world, const std::string& key) {
  const model::ObjectTable table(world.Objx);
  if (auto record = table.find(key, world.Objs.size())) return record;
  if (auto missing = table.firstRecordWithout(Field::Key, world.Objs.size())) missingRecord(world, *missing);
  return std::nullopt;
}

std::vector<size_t> objectsAt(const model::WorldState& world, const std::string& place) {
  const model::ObjectTable table(world.Objx);
  if (auto missing = table.firstRecordWithout(Field::Loc, world.Objs.size())) missingRecord(world, *missing);
  return table.at(place, world.Objs.size());
}

std::string resolvePlaceAliases(const model::Game& game, const std::string& place) {
  return place == "loc" || place == "@loc" || place == "@pos" ? game.world.Posic : place;
}

std::string resolveLocAlias(const model::Game& game, const std::string& place) {
  return place == "loc" ? game.world.Posic : place;
}

std::string& resultRegister(model::Game& game, const std::string& argument) {
  return game.Regs.at(base::readNumberOr(argument, 0));
}

std::string joinObjectList(const base::Lines& items) {
  std::string joined;
  for (size_t c = items.size(); c >= 1; --c) {
    joined += items[c - 1];
    joined += c == 1 ? "." : c == 2 ? " e " : ", ";
  }
  return joined;
}

}  // namespace world
