// Exit words.
#include "model/world_state.h"

namespace model {

const std::array<const char*, kDirectionCount>& directionWords() {
  static const std::array<const char*, kDirectionCount> words = {
      "norte", "sul", "leste", "oeste", "subir", "descer", "entrar", "sair"};
  return words;
}

std::optional<size_t> directionSlot(std::string_view word) {
  const auto& words = directionWords();
  for (size_t slot = 0; slot < words.size(); ++slot)
    if (word == words[slot]) return slot;
  return std::nullopt;
}

}  // namespace model
