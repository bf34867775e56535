// Subroutines and jumps: goto, gosub, return/ret, script, and the two names other
// parts of the player use as targets, retscp= and scriptcmd=/scpcmd=.
#pragma once
#include <string_view>

#include "script/dispatch.h"

namespace shell { struct Game; }

namespace script {

void registerJumpStatements(Dispatch& dispatch);

// goto: when the running script has the label ":" + name, the line after its
// first occurrence is executed at once, in the same step; otherwise nothing.
void goToLabel(shell::Game& game, std::string_view name);

}  // namespace script
