// The order of the object key list Objs. Keys sort the way a sorted list box of
// Windows-1252 text orders its items, reduced to one fixed rule: compare
// character by character, letters without regard to case or accents (a = A =
// á), other characters by their byte value, which puts blanks, digits and
// most punctuation before letters; keys that tie compare without regard to case
// only (a before á); keys that still tie (Chave and chave) are equal and keep
// the order in which they were inserted.
#pragma once
#include <string>

#include "base/text.h"

namespace world {

// Negative, zero or positive as a sorts before, with or after b.
int compareKeys(const std::string& a, const std::string& b);

// Inserts the key at its sorted place, after every key equal to it.
void insertKeySorted(base::Lines& keys, const std::string& key);

}  // namespace world
