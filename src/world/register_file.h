// The register file <gameName>.rgs: one line per register, in order. A value that
// holds a line break (a quoted text stored in modes "0"/"1") is written with the
// break escaped, so it stays on its line and every later register keeps its
// number. Files without escapes (all files of the original) read unchanged.
#pragma once
#include "base/text.h"

namespace world {

base::Lines encodeRegisterFile(const base::Lines& registers);
base::Lines decodeRegisterFile(const base::Lines& lines);

}  // namespace world
