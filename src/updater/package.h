// Unpacking an update package: a zip archive, encrypted with the package
// password, into the game folder, all or nothing. Every entry is checked like a
// name from the server (no absolute path, no "..", no link, nothing that lands
// outside the folder); the whole package is extracted into a staging folder
// inside the game folder first and only then moved into place, and a failure
// while moving puts back what was there.
#pragma once
#include <filesystem>
#include <string>

namespace updater {

// True when every entry is in place; otherwise the folder is as it was and
// error says why.
bool unpackPackage(const std::filesystem::path& package, const std::string& password,
                   const std::filesystem::path& gameFolder, std::string& error);

}  // namespace updater
