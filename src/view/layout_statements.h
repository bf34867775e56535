// The layout statements: display modes (modo=, setmode=, retmode), the def
// statements that move, size, show and restyle controls, the table row editor
// defini=, focus, skin panels, the mode-"3" page height, the typewriter speed
// and the grey/tint effect cinza=.
#pragma once

namespace model { class Dispatch; }

namespace view {

void registerLayoutStatements(model::Dispatch& dispatch);

}  // namespace view
