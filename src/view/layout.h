// Screen layout from the definitions table: the whole screen at game start, and
// what every run re-applies before its first statement.
#pragma once
#include <string>

namespace model { struct Game; }

namespace view {

// applyStartLayout(): lays out every control from the definitions table — game
// area and skin, text style, viewer and its pages, command box, function panel,
// end button — and shows the viewer page of row 26. Called once by the game
// start. Rows that are not the numbers or colours the layout needs are noted in
// the debug log and read as their built-in defaults.
void applyStartLayout(model::Game& game);

// reapplyRunLayout(name): prepares the screen for a new turn — the game page on
// show, the window to the front, currentScript set to the name as received, the
// picture link and Tela's cursor cleared, the text style reloaded from the table
// with bold, italic and underline off, the page the viewer shows laid out again
// from the table, then the command box (emptied) and the function panel.
void reapplyRunLayout(model::Game& game, const std::string& name);

// The text style from rows 15, 16, 18, 19 with the three flags off.
void resetTextStyle(model::Game& game);

// The command box from rows 36 to 44; it is shown by row 44 unless the viewer
// shows the page of mode "2" or "3", which keep it hidden.
void layOutInput(model::Game& game);
// The function panel from rows 45 to 48 and 53; TelCmd and BufFunc take its size
// and are filled with the panel colour (row 18).
void layOutFunctionPanel(model::Game& game);

}  // namespace view
