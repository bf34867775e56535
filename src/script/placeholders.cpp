// Placeholder resolution.
#include "script/placeholders.h"

#include "model/game.h"

namespace script {

std::string resolvePlaceholder(const model::Game& game, const std::string& name) {
  std::string value;
  if (!name.empty() && name[0] == '@') {
    const auto& words = model::directionWords();
    for (size_t slot = 0; slot < words.size(); ++slot)
      if (name.compare(1, std::string::npos, words[slot]) == 0) value = game.world.exits[slot];
  }
  if (name == "@pos") value = game.world.Posic;
  if (name == "@obj") value = game.world.Objeto;
  if (name == "xvlt" || name == "@xvlt") value = game.RetScp;
  return value.empty() ? name : value;
}

}  // namespace script
