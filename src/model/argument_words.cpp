// The run-time view of the argument word sets, for readers that hold a shape
// letter rather than a type.
#include "model/argument_words.h"

namespace model {
namespace {

template <char Letter>
void addWordsOf(char letter, std::vector<std::string_view>& words) {
  if (letter != Letter) return;
  for (const auto& word : ArgumentWords<Letter>::words) words.push_back(word.text);
}

template <char... Letters>
std::vector<std::string_view> wordsAmong(char letter) {
  std::vector<std::string_view> words;
  (addWordsOf<Letters>(letter, words), ...);
  return words;
}

}  // namespace

std::vector<std::string_view> argumentWordsOf(char letter) {
  return wordsAmong<'t', 'g', 'e', 'E', 'f', 'z', 'v', 'y', 'F', 'm'>(letter);
}

}  // namespace model
