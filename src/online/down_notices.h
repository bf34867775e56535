// How the "Down" page tells what it is doing: its labels change, the window
// repaints, and the terminal gets the same steps as lines.
#pragma once
#include <cstddef>
#include <string>

namespace model { struct Game; }

namespace online {

// The page changed: show it now.
void pageChanged(model::Game& game);
// lbAviso := text (progress and results of the version check and the package).
void setNotice(model::Game& game, const std::string& text);
// Lbx := the name of the file being downloaded (empty when idle).
void showFileName(model::Game& game, const std::string& name);
// One line of a bulk download's progress for the terminal: "[k/n] name".
void progressLine(model::Game& game, size_t done, size_t total, const std::string& name);

}  // namespace online
