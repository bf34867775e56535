// Which folder the player plays in. The bundled demo game and any game folder the
// user cannot write are played from a per-user copy (XDG data folder), so the
// installed or checked-out files are never changed; the copy keeps the saved game.
#pragma once
#include <filesystem>
#include <string>

namespace app {

// The player's own folder of the user (XDG data folder): the game copies, and
// what the terminal writes for the user to open (the map picture).
std::filesystem::path userDataFolder();

// The bundled games folder (beside the source tree or the installed program).
std::filesystem::path bundledGamesFolder();

// The folder to play: the requested one when writable, otherwise (and for the
// bundled game) its per-user copy, made or completed with the files it lacks.
// Throws std::runtime_error with a clear message when no folder can be used.
std::filesystem::path playFolder(const std::string& requested);

}  // namespace app
