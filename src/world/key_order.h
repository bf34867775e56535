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

// The keys in sorted order, equal keys in the order given: one sort, so a long
// list costs n log n whatever its first order.
base::Lines sortedKeys(base::Lines keys);

}  // namespace world
