// The map for a player at a terminal: the map picture written as a PNG file in
// the user's folder, for a picture viewer to open.
#pragma once
#include <filesystem>
#include <string>

namespace model { struct Game; }

namespace terminal {

// Writes "<gameName>-mapa.png" into the folder (made when missing) and returns
// the line to print (UTF-8, in the interface language): where the file is, or
// why there is none.
std::string writeMapPicture(const model::Game& game, const std::filesystem::path& folder);

}  // namespace terminal
