// Subroutines and jumps: goto, gosub, return/ret, script, and the two names other
// parts of the player use as targets, retscp= and scriptcmd=/scpcmd=.
#pragma once
#include <string_view>

#include "model/dispatch.h"

namespace model { struct Game; }

namespace script {

void registerJumpStatements(model::Dispatch& dispatch);

// goto: when the running script has the label ":" + name, the line after its
// first occurrence is executed at once, in the same step; otherwise nothing.
void goToLabel(model::Game& game, std::string_view name);

}  // namespace script
