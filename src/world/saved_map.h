// The saved map: the map picture written to the game folder as a bitmap whatever
// the file's name (an old game may call it "mapa.jpg"), atomically, so that a
// crash while writing leaves the previous map readable; and read back by what
// the file holds, not by its name.
#pragma once
#include <QImage>
#include <filesystem>
#include <optional>
#include <string>

namespace world {

// The picture in the file, recognised by its first bytes (bitmap, PNG, JPEG,
// GIF); nothing when the file cannot be read as any of them.
std::optional<QImage> readSavedMap(const std::filesystem::path& path);

// Writes the map as a 24-bit bitmap through a temporary file and a rename.
// False when it could not be written; the old file is then untouched.
bool writeSavedMap(const std::filesystem::path& path, const QImage& map);

}  // namespace world
