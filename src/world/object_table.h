// The object statements' view of the object table (model/object_table.h):
// Objx holds one record per key of Objs, in the same order. Statements find an
// object by the first record whose key line equals the key, read and change its
// fields, and select objects by their place; "jog" is the player's inventory.
// A table shorter than its keys say aborts the run that reaches a missing line.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "base/text.h"
#include "model/object_table.h"

namespace model {
struct Game;
struct WorldState;
}  // namespace model

namespace world {

constexpr size_t kRecordLines = model::ObjectTable::kRecordLines;
constexpr const char* kInventory = "jog";

using model::Field;

// A field of a record.
std::string& field(model::WorldState& world, size_t record, Field f);
const std::string& field(const model::WorldState& world, size_t record, Field f);

// The first record whose key is exactly the key, among as many records as Objs has keys.
std::optional<size_t> findObject(const model::WorldState& world, const std::string& key);

// Every record whose place is exactly the place, in table order.
std::vector<size_t> objectsAt(const model::WorldState& world, const std::string& place);

// Place aliases: "loc", "@loc" and "@pos" stand for the current location.
std::string resolvePlaceAliases(const model::Game& game, const std::string& place);
// Only "loc" stands for the current location.
std::string resolveLocAlias(const model::Game& game, const std::string& place);

// The register an object statement writes: the argument read as a number (0
// when it is not one); a register outside the store aborts the run.
std::string& resultRegister(model::Game& game, const std::string& argument);

// Items d1..dn joined from the last to the first: "dn, ..., d2 e d1."; none: "".
std::string joinObjectList(const base::Lines& items);

}  // namespace world
