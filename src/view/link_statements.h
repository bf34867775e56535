// The statements that fill the hot-spot table: picture and text links on the
// main picture (lnktel=), the function panel (lnkfnc=) and the skin (lnkpan=),
// and the grid of object icons (dispobj=).
#pragma once

namespace script { class Dispatch; }

namespace view {

void registerLinkStatements(script::Dispatch& dispatch);

}  // namespace view
