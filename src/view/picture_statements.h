// The picture statements: clearing the buffers and screens (cleartela,
// clearfunc, cleartotal), display=, showobj=, the head-up picture (hud=,
// masktel=), the whole-picture link (telpos=) and BufTela's canvas
// (telacorfnd=, telacortxt=, telafntnome=, telafntalt=).
#pragma once

namespace model { class Dispatch; }

namespace view {

void registerPictureStatements(model::Dispatch& dispatch);

}  // namespace view
