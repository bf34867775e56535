// mirandel --new DIR [NAME]: writes the smallest complete game into a new folder,
// for an author to start from. Everything in it is the player's own: the
// pictures are drawn and the sounds made here.
#pragma once
#include <filesystem>
#include <string>

namespace app {

// Writes the game; false, with the reason in error, when the folder already
// holds files or cannot be written (nothing of an author's is ever replaced).
bool writeNewGame(const std::filesystem::path& folder, const std::string& name, std::string& error);

// The command line's part: writes, reports in the interface language, returns
// the exit status.
int newGameCommand(const std::string& folder, const std::string& name);

}  // namespace app
