// Checks of the game's files other than scripts: the definitions table, the
// phrase files, the register file and the object files.
#pragma once
#include <string>

#include "check/context.h"

namespace check {

// The table's rows that do not read as the player reads them.
void checkTable(Context& context);

// One phrase file: phrases that can never match, duplicates, hidden phrases,
// scripts that do not exist.
void checkPhraseFile(Context& context, const std::string& file, const base::Lines& lines);

// The object key list, the object table and the pristine object files.
void checkObjects(Context& context, const base::Lines& keys, const base::Lines& table);

}  // namespace check
