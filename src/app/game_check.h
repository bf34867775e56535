// mirandel --check: the game checker on the folder the options name (the bundled
// demo game by default), read where it lies: checking copies and changes nothing.
#pragma once
#include "app/options.h"

namespace app {

// Prints the findings on standard output; returns the checker's exit status.
int checkGameFolder(const Options& options);

}  // namespace app
