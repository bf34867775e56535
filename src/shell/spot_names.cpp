// Names of hot spots.
#include "shell/spot_names.h"

#include "base/letter_case.h"
#include "base/text.h"
#include "model/object_table.h"
#include "script/markers.h"
#include "shell/game.h"
#include "view/pictures.h"
#include "model/world_state.h"

namespace shell {
namespace {

// A file's name without its folder and its extension.
std::string bareName(const std::string& file) {
  std::string name = file.substr(file.find_last_of("/\\") + 1);
  const size_t dot = name.rfind('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

// The name of the object whose key the script is, or empty.
std::string objectName(const model::Game& game, const std::string& key) {
  const model::ObjectTable table(game.world.Objx);
  const auto record = table.find(key, table.wholeRecords(), model::KeyMatch::IgnoringCase);
  return record ? base::trim(*table.line(*record, model::Field::Nom)) : std::string();
}

// The direction whose exit the script is (an arrow of the compass), or empty.
std::string exitDirection(const model::Game& game, const std::string& script) {
  const auto& exits = game.world.exits;
  for (size_t slot = 0; slot < exits.size(); ++slot)
    if (!script.empty() && exits[slot] == script) return model::directionWords()[slot];
  return {};
}

}  // namespace

bool isMapSwitch(const model::HotSpot& spot) { return std::holds_alternative<model::MapSwitch>(spot.action); }

std::string spotName(const model::Game& game, const model::HotSpot& spot) {
  const std::string text = base::trim(spot.picture);
  if (!text.empty() && !view::isPictureName(text)) return base::trim(script::convertAllMarkers(game.screen.Modelo, text));
  if (isMapSwitch(spot)) return {};
  // A script, an address: named by the object or the exit it is, or by itself.
  const std::string script = model::actionText(spot.action);
  if (std::string object = objectName(game, script); !object.empty()) return object;
  if (std::string direction = exitDirection(game, script); !direction.empty()) return direction;
  if (!text.empty()) return bareName(text);
  return bareName(base::trim(script));
}

}  // namespace shell
