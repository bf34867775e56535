// The message statements msg+, msg= and clearmsg: script text into the display
// mode's text sink.
#pragma once
#include "script/dispatch.h"

namespace view {

void registerMessageStatements(script::Dispatch& dispatch);

}  // namespace view
