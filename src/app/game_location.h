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

// A name for the game folder that no other folder shares: its own name and a
// short hash of its canonical path (the per-user copies and transcripts use it).
std::string folderKey(const std::filesystem::path& folder);

// Where the game played in the folder keeps its transcript: the file asked for,
// or the game's own in the user's data folder; in scripted play only the file
// asked for.
std::filesystem::path transcriptFile(const std::string& asked, const std::filesystem::path& folder, bool scripted);

// Where the named save slots of the game played in the folder are kept, in the
// user's data folder.
std::filesystem::path slotsFolder(const std::filesystem::path& folder);

// The bundled games folder (beside the source tree or the installed program).
std::filesystem::path bundledGamesFolder();

// The folder to play: the requested one when writable, otherwise (and for the
// bundled game) its per-user copy, made or brought up to date.
// Throws std::runtime_error with a clear message when no folder can be used.
std::filesystem::path playFolder(const std::string& requested);

// The per-user copy of the installed game folder: <userData>/games/<folder
// name>-<short hash of its canonical path>, one per installed game. Files the
// copy lacks are copied; files the installed game changed since they were copied
// are copied again, unless the player's play changed them in the copy (the saved
// game), which are never touched. A ".mirandel-copy" file in the copy remembers
// what was copied. The saved game of an earlier copy named after the folder
// alone is handed over the first time.
std::filesystem::path userCopy(const std::filesystem::path& installed, const std::filesystem::path& userData);

}  // namespace app
