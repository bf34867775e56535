// Screen layout: what every run resets before its first statement.
#pragma once
#include <string>

namespace shell { struct Game; }

namespace view {

// reapplyRunLayout(name): prepares the screen for a new turn — the game page on
// show, currentScript set to the name as received, the text style reloaded from
// the table with bold, italic and underline off, the mode-"3" text state emptied,
// the command box emptied.
void reapplyRunLayout(shell::Game& game, const std::string& name);

// applyStartLayout(): lays out every control from the definitions table; called
// once by the game start.
void applyStartLayout(shell::Game& game);

// The text style from rows 15, 16, 18, 19 with the three flags off.
void resetTextStyle(shell::Game& game);

}  // namespace view
