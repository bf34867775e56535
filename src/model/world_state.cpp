// Exit words.
#include "model/world_state.h"

namespace model {

const std::array<const char*, kDirectionCount>& directionWords() {
  static const std::array<const char*, kDirectionCount> words = {
      "norte", "sul", "leste", "oeste", "subir", "descer", "entrar", "sair"};
  return words;
}

}  // namespace model
