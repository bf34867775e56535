// The statements of the text window: the text style (fonte=, fntface=,
// fntsize=, fntsty=, cortxt=, corfnd=, corlnk=, corvzk=), the mode-"3" text
// position (postxt=, lnfeed=), line feeds and the mode-"3" text accumulator.
#pragma once

namespace model { class Dispatch; }

namespace view {

void registerTextStatements(model::Dispatch& dispatch);

}  // namespace view
