// Plays an events file without a window and writes the dumps it asks for.
#pragma once
#include <filesystem>

#include "app/options.h"

namespace app {

// Returns the process exit code.
int playEventsFile(const Options& options, const std::filesystem::path& folder);

}  // namespace app
