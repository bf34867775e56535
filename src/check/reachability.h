// Which scripts and pictures no path of play can reach: from the opening script,
// the table's scripts and the phrase files, along every name a reached script
// gives. Names known only while playing ("#n") are not followed.
#pragma once
#include "check/context.h"

namespace check {

void noteUnreachable(Context& context);

}  // namespace check
