// The checker's front end.
#include "app/game_check.h"

#include <iostream>

#include "app/game_location.h"
#include "check/checker.h"

namespace app {

int checkGameFolder(const Options& options) {
  try {
    std::filesystem::path folder =
        options.gameFolder.empty() ? bundledGamesFolder() / "mirandel" : std::filesystem::path(options.gameFolder);
    return check::checkGame(folder, options.exeBaseName, std::cout, std::cerr);
  } catch (const std::exception& error) {
    std::cerr << "mirandel: " << error.what() << "\n";
    return 2;
  }
}

}  // namespace app
