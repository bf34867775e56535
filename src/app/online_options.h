// What on-line play needs from the command line: the server address, our own
// updater beside this program, and the command that starts the player again
// after an update.
#pragma once
#include "app/options.h"
#include "shell/startup.h"

namespace app {

void setOnlineOptions(const Options& options, shell::StartOptions& start);

}  // namespace app
