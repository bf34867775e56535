// What the screen does after the last line of a run: the head-up picture laid
// over BufTela, the buffers copied to the visible surfaces, the mode-"3" page
// refreshed, the mode-"2" page written.
#pragma once

namespace model { struct Game; }

namespace view {

// Before the save: Hud over BufTela while it is on, BufTela to Tela in mode "1",
// BufFunc to TelCmd in every mode.
void endOfRunScreen(model::Game& game);
// After the save: the command box takes the focus in modes "0" and "1" when it
// is visible; Tela3 takes TelMod3 in mode "3"; the page is finished in mode "2".
void endOfRunPage(model::Game& game);

}  // namespace view
