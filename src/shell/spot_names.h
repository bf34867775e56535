// What a hot spot is called for a player who cannot see it (the terminal's
// :pontos, a screen reader): the text of a text link, the name of the object an
// icon shows, the direction of an exit's arrow, the picture's name, or the
// script it runs; never a name only the engine knows.
#pragma once
#include <string>

#include "model/hot_spots.h"

namespace model { struct Game; }

namespace shell {

// The spot's name (Windows-1252); empty for the map's switch and for a spot with
// nothing to name it by, which the front ends name in their own words.
std::string spotName(const model::Game& game, const model::HotSpot& spot);
// The spot opens and closes the map.
bool isMapSwitch(const model::HotSpot& spot);

}  // namespace shell
