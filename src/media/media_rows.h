// The media rows of the dump's state.txt.
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace model { struct Game; }

namespace media {

// music, volume, rain (on/off), rainInterval, rainStep, rainPicture, rainMask.
std::vector<std::pair<std::string, std::string>> mediaStateRows(const model::Game& game);

}  // namespace media
