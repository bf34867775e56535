// Checking scripts: every statement's keyword and arguments against the player's
// dispatch table and the statement shapes, labels, the files and scripts the
// script names, and quoted texts that never close.
#pragma once
#include <string>

#include "base/text.h"
#include "check/context.h"

namespace check {

// First pass over every script: which exits some script sets, whether any sets a
// return script, and which files are named as phrase files.
void surveyScript(Context& context, const base::Lines& lines, std::set<std::string>& phraseFileNames);

// The full check of one script file (its own name on disk).
void checkScript(Context& context, const std::string& file, const base::Lines& lines);

}  // namespace check
