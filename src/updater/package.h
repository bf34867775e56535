// Unpacking an update package: a zip archive, encrypted with the package
// password, into the game folder, all or nothing. The package is a regular file
// of the game folder (never opened through a link). Every entry is checked like
// a name from the server (no absolute path, no "..", no link, nothing that lands
// outside the folder), names are taken in one spelling ("./x" is "x") and no
// file may be named twice; the entries' sizes are bounded one by one, together
// against the package's size, and against the disk's free space, all before
// anything is written. The whole package is extracted into a staging folder
// inside the game folder first and only then moved into place, and a failure
// while moving puts back what was there.
#pragma once
#include <filesystem>
#include <string>

namespace updater {

// True when every entry is in place; otherwise error says why, and ends with
// "(the game folder is as it was)" when it is (when an old file could not be
// put back, error names the folder that keeps it).
bool unpackPackage(const std::filesystem::path& package, const std::string& password,
                   const std::filesystem::path& gameFolder, std::string& error);

}  // namespace updater
