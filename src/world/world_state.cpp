// Exit words.
#include "world/world_state.h"

namespace world {

const std::array<const char*, kDirectionCount>& directionWords() {
  static const std::array<const char*, kDirectionCount> words = {
      "norte", "sul", "leste", "oeste", "subir", "descer", "entrar", "sair"};
  return words;
}

}  // namespace world
