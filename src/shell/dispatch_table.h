// The dispatch table of the player: every subsystem's statements, registered in
// the executor's fixed order, and the sink of quoted texts.
#pragma once
#include "model/dispatch.h"

namespace shell {

model::Dispatch buildDispatch();

}  // namespace shell
