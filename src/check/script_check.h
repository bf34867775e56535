// Checking scripts: every statement's keyword and arguments against the player's
// dispatch table and the statement shapes, labels, the files and scripts the
// script names, and quoted texts that never close.
#pragma once
#include <map>
#include <set>
#include <string>

#include "base/text.h"
#include "check/context.h"

namespace check {

// First pass over every script: which exits some script sets, whether any sets a
// return script, and which files are named as phrase files.
void surveyScript(Context& context, const base::Lines& lines, std::set<std::string>& phraseFileNames);

// Scripts that "script" continues a run in skip their first line: it should be
// a comment or a label.
void checkFirstLines(Context& context, const std::map<std::string, base::Lines>& scripts);

// The full check of one script file (its own name on disk).
void checkScript(Context& context, const std::string& file, const base::Lines& lines);

}  // namespace check
