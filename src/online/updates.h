// The version check and the update package: the server's version file names the
// newest version and the package's files; the package is unpacked by our own
// updater, installed beside the player (never a program from the game folder).
#pragma once

namespace model { struct Game; }

namespace online {

inline constexpr const char* kVersionFile = "vrsmrd.txt";
inline constexpr const char* kPackageFile = "mirandel.zpp";
inline constexpr const char* kPackagePassword = "q8m41xw";

// btAtual: fetch the version file and offer the package when it names another version.
void checkVersion(model::Game& game);

// btDEG: fetch the package's files; when the package is there, start the updater
// and end the player.
void downloadPackage(model::Game& game);

}  // namespace online
