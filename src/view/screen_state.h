// The presentation state as name=value rows for snapshots: what an author checks
// of the screen besides the pictures themselves.
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace model { struct Game; }

namespace view {

std::vector<std::pair<std::string, std::string>> screenStateRows(const model::Game& game);

}  // namespace view
