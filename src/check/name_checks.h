// Checks of the names a game gives for its files: scripts (with link parameters
// and placeholders), pictures and sounds. Each reports a missing file, a name
// found only by ignoring case and a name leaving the folder, and returns the
// file's own name when there is one, for the reachability notes.
#pragma once
#include <optional>
#include <string>

#include "check/context.h"

namespace check {

// Where a finding goes: the file and its 1-based line.
struct Place {
  std::string file;
  int line = 0;
};

// A script name as a run takes it: link parameters are cut off, placeholders and
// the names that run no script ("pagpix", "picFmap", web addresses) checked
// apart. Returns the script file when the name names one.
std::optional<std::string> checkScriptName(Context& context, const Place& place, const std::string& name);

std::optional<std::string> checkPictureName(Context& context, const Place& place, const std::string& name);
std::optional<std::string> checkSoundName(Context& context, const Place& place, const std::string& name);
// A phrase file, named without its ".scx".
std::optional<std::string> checkPhraseFileName(Context& context, const Place& place, const std::string& name);

}  // namespace check
