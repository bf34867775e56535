// The statements that fill the hot-spot table: picture and text links on the
// main picture (lnktel=), the function panel (lnkfnc=) and the skin (lnkpan=),
// and the grid of object icons (dispobj=).
#pragma once

namespace model { class Dispatch; }

namespace view {

void registerLinkStatements(model::Dispatch& dispatch);

}  // namespace view
