// The window session's options from the command line.
#pragma once
#include <filesystem>

#include "app/options.h"
#include "ui/window_session.h"

namespace app {

ui::WindowOptions windowOptions(const Options& options, const std::filesystem::path& folder, bool scripted);

}  // namespace app
