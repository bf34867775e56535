// The message statements msg+, msg= and clearmsg: script text into the display
// mode's text sink.
#pragma once
#include "model/dispatch.h"

namespace view {

void registerMessageStatements(model::Dispatch& dispatch);

}  // namespace view
