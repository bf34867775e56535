// The dispatch table of the player: every subsystem's statements, registered in
// the executor's fixed order, and the sink of quoted texts.
#pragma once
#include "script/dispatch.h"

namespace shell {

script::Dispatch buildDispatch();

}  // namespace shell
