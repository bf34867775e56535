// Start-up and shut-down of the player: the folders and names, the definitions
// table, the working lists and bitmaps with their debug lines, and at exit the
// position written into the table and every game file saved.
#pragma once
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace model { class RunObserver; }

namespace model { struct Game; }

namespace shell {

// A start-up that cannot go on (no table file, a non-numeric register count):
// the message says why; the program ends with it.
class StartupError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Another live player holds the game folder: this one writes nothing and ends.
class GameAlreadyOpen : public StartupError {
 public:
  explicit GameAlreadyOpen(const std::filesystem::path& folder)
      : StartupError("O jogo j\xE1 est\xE1 aberto em outro mirandel."), folder(folder) {}
  std::filesystem::path folder;
};

struct StartOptions {
  std::string gameFolder;   // the game folder (exeFolder and dataFolder)
  std::string exeBaseName = "mirandel";
  std::string serverBaseUrl;
  std::string updaterProgram;               // our own updater, beside the player
  std::vector<std::string> restartCommand;  // starts the player again after an update
  // Called once the opening screen is ready, before the server list is asked
  // for: the window shows itself, so the player is seen while it waits.
  std::function<void()> openingScreenReady;
  // An author's record of play (--steps, --coverage), attached before any run.
  model::RunObserver* runObserver = nullptr;
};

// The start-up sequence, run once. It first takes the game folder (one player
// per folder), before anything there is read, finished or written; throws
// GameAlreadyOpen when another player has it.
void start(model::Game& game, const StartOptions& options);

// The shut-down sequence, run once when the player closes; nothing when the
// start-up did not take the folder.
void shutDown(model::Game& game);

}  // namespace shell
