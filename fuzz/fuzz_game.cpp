// The fuzz targets' game folder and started game.
#include "fuzz/fuzz_game.h"

#include <QApplication>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

#include "shell/startup.h"
#include "shell/turn.h"

namespace fuzz {
namespace {

// The folder of this process, removed when the program ends.
struct ProcessFolder {
  std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("mirandel-fuzz-" + std::to_string(::getpid()));
  ~ProcessFolder() {
    std::error_code error;
    std::filesystem::remove_all(path, error);
  }
};

}  // namespace

void ensureApplication() {
  if (QCoreApplication::instance()) return;
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int argc = 1;
  static char name[] = "mirandel-fuzz";
  static char* argv[] = {name, nullptr};
  static QApplication application(argc, argv);
}

std::vector<std::string> splitInput(std::string_view input, std::string_view separator) {
  std::vector<std::string> parts;
  size_t from = 0;
  for (size_t at; (at = input.find(separator, from)) != std::string_view::npos; from = at + separator.size())
    parts.emplace_back(input.substr(from, at - from));
  parts.emplace_back(input.substr(from));
  return parts;
}

FuzzGame::FuzzGame() {
  ensureApplication();
  std::error_code error;
  std::filesystem::remove_all(folder(), error);
  std::filesystem::create_directories(folder());
  write("mirandel.ini", "");
}

FuzzGame::~FuzzGame() = default;

const std::filesystem::path& FuzzGame::folder() const {
  static const ProcessFolder folder;
  return folder.path;
}

void FuzzGame::write(const std::string& name, std::string_view bytes) const {
  std::ofstream(folder() / name, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool FuzzGame::start() {
  game = std::make_unique<shell::Game>(host);
  shell::StartOptions options;
  options.gameFolder = folder().string();
  try {
    shell::start(*game, options);
  } catch (const shell::StartupError&) {
    return false;
  }
  game->runner.maxStepsPerRun = kFuzzStepsPerRun;
  game->world.gameLoaded = true;
  return true;
}

void FuzzGame::run(const std::string& script) { shell::runScript(*game, script); }

}  // namespace fuzz
