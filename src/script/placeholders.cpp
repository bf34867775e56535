// Placeholder reading and resolution.
#include "script/placeholders.h"

#include "model/game.h"

namespace script {

std::optional<Placeholder> readPlaceholder(const std::string& name) {
  if (name == "@pos") return Placeholder{Placeholder::Position};
  if (name == "@obj") return Placeholder{Placeholder::Object};
  if (name == "xvlt" || name == "@xvlt") return Placeholder{Placeholder::ReturnScript};
  if (name.empty() || name[0] != '@') return std::nullopt;
  if (const auto slot = model::directionSlot(std::string_view(name).substr(1))) return Placeholder{Placeholder::Exit, *slot};
  return std::nullopt;
}

std::string resolvePlaceholder(const model::Game& game, const std::string& name) {
  const auto placeholder = readPlaceholder(name);
  if (!placeholder) return name;
  const std::string* value = nullptr;
  switch (placeholder->kind) {
    case Placeholder::Exit: value = &game.world.exits[placeholder->exitSlot]; break;
    case Placeholder::Position: value = &game.world.Posic; break;
    case Placeholder::Object: value = &game.world.Objeto; break;
    case Placeholder::ReturnScript: value = &game.RetScp; break;
  }
  return value->empty() ? name : *value;
}

}  // namespace script
