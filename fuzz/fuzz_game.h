// The fuzz targets' game: a game folder of this process (under the temporary
// folder), emptied before every input, and a game started on it behind a
// HeadlessHost, with a low bound on the statements of a run so a looping input
// ends quickly. Pictures, fonts and the page view need a Qt application; one is
// made (offscreen) when the program has none.
#pragma once
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "backends/headless_host.h"
#include "shell/game.h"

namespace fuzz {

// The statements a fuzzed run may execute before it is stopped.
constexpr long long kFuzzStepsPerRun = 20'000;

// Makes sure a QApplication exists (offscreen when no platform is set).
void ensureApplication();

// Cuts the input at every separator: "a<sep>b" gives {"a", "b"}.
std::vector<std::string> splitInput(std::string_view input, std::string_view separator);

class FuzzGame {
 public:
  // Empties the folder and writes an empty table file (the built-in rows).
  FuzzGame();
  ~FuzzGame();
  FuzzGame(const FuzzGame&) = delete;
  FuzzGame& operator=(const FuzzGame&) = delete;

  const std::filesystem::path& folder() const;
  // Writes raw bytes into the game folder (the name is ours, never the input's).
  void write(const std::string& name, std::string_view bytes) const;

  // Starts the game; a start-up the content refuses is an ordinary outcome.
  // Returns false when the start-up refused the game.
  bool start();
  // One run of the script, as a player's action would start it.
  void run(const std::string& script);

  backends::HeadlessHost host;
  std::unique_ptr<shell::Game> game;
};

}  // namespace fuzz
