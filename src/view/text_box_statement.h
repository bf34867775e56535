// btxt= / boxtexto=: a text box on the mode-"3" page.
#pragma once

namespace model { class Dispatch; }

namespace view {

void registerTextBoxStatements(model::Dispatch& dispatch);

}  // namespace view
