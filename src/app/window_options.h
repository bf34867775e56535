// The window session's options from the command line.
#pragma once
#include <filesystem>

#include "app/options.h"
#include "ui/window_session.h"

namespace app {

ui::WindowOptions windowOptions(const Options& options, const std::filesystem::path& folder, bool scripted);

// The scale the window of a play that is not scripted starts at, unless the
// screen is too small for it: --scale, or the one the user last chose.
double startingScale(const Options& options);

}  // namespace app
