// Plays the game in the terminal: the text of every sink is printed as it is
// produced and typed lines become player input.
#pragma once
#include <filesystem>

#include "app/options.h"

namespace app {

int playInTerminal(const Options& options, const std::filesystem::path& folder);

}  // namespace app
