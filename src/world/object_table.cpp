// Object records, lookup and place aliases.
#include "world/object_table.h"

#include "base/number.h"
#include "script/script_error.h"
#include "shell/game.h"

namespace world {

std::optional<Field> fieldNamed(const std::string& name) {
  if (name == "nom") return Field::Nom;
  if (name == "dsc") return Field::Dsc;
  if (name == "loc") return Field::Loc;
  if (name == "shp") return Field::Shp;
  if (name == "tag") return Field::Tag;
  return std::nullopt;
}

std::string& recordLine(WorldState& world, size_t record, size_t line) {
  size_t index = record * kRecordLines + line;
  if (index >= world.Objx.size())
    throw script::ScriptError("a tabela de objetos tem " + std::to_string(world.Objx.size()) +
                              " linhas e n\xE3o tem o registro " + std::to_string(record + 1) + " de " +
                              std::to_string(world.Objs.size()) + " objetos (arquivo .obx incompleto)");
  return world.Objx[index];
}

const std::string& recordLine(const WorldState& world, size_t record, size_t line) {
  return recordLine(const_cast<WorldState&>(world), record, line);
}

std::optional<size_t> findObject(const WorldState& world, const std::string& key) {
  for (size_t record = 0; record < world.Objs.size(); ++record)
    if (recordLine(world, record, 0) == key) return record;
  return std::nullopt;
}

std::vector<size_t> objectsAt(const WorldState& world, const std::string& place) {
  std::vector<size_t> records;
  for (size_t record = 0; record < world.Objs.size(); ++record)
    if (recordLine(world, record, static_cast<size_t>(Field::Loc)) == place) records.push_back(record);
  return records;
}

std::string resolvePlaceAliases(const shell::Game& game, const std::string& place) {
  return place == "loc" || place == "@loc" || place == "@pos" ? game.world.Posic : place;
}

std::string resolveLocAlias(const shell::Game& game, const std::string& place) {
  return place == "loc" ? game.world.Posic : place;
}

std::string& resultRegister(shell::Game& game, const std::string& argument) {
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
