// Plays the game in its window until the window closes.
#pragma once
#include <filesystem>

#include "app/options.h"

namespace app {

int playInWindow(const Options& options, const std::filesystem::path& folder);

}  // namespace app
