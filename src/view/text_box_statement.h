// btxt= / boxtexto=: a text box on the mode-"3" page.
#pragma once

namespace script { class Dispatch; }

namespace view {

void registerTextBoxStatements(script::Dispatch& dispatch);

}  // namespace view
