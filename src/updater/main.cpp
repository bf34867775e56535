// mirandel-update: the player's own updater. The player starts it (from beside
// its own executable) with the package password, its base name and the package
// file; it waits for the player to end, unpacks the package into the game
// folder, and starts the player again.
//
//   mirandel-update --game DIR [--wait PID] PASSWORD BASE PACKAGE [-- PLAYER ARGS...]
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "base/game_folder.h"
#include "updater/package.h"

namespace {

struct Arguments {
  std::string gameFolder = ".";
  long waitPid = 0;
  std::vector<std::string> positional;  // password, base name, package
  std::vector<std::string> restart;
};

bool parse(int argc, char** argv, Arguments& arguments) {
  for (int i = 1; i < argc; ++i) {
    std::string word = argv[i];
    if (word == "--") {
      for (++i; i < argc; ++i) arguments.restart.push_back(argv[i]);
      break;
    }
    if ((word == "--game" || word == "--wait") && i + 1 < argc) {
      std::string value = argv[++i];
      if (word == "--game") arguments.gameFolder = value;
      else arguments.waitPid = std::strtol(value.c_str(), nullptr, 10);
    } else {
      arguments.positional.push_back(word);
    }
  }
  return arguments.positional.size() == 3;
}

// Whether the process still runs (an ended one nobody has reaped yet does not).
bool running(long pid) {
  if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) return false;
  std::ifstream status("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(status, line)) return true;
  size_t end = line.rfind(')');
  return end == std::string::npos || end + 2 >= line.size() || line[end + 2] != 'Z';
}

// The player ends itself after starting us; give it time to write its files.
void waitForExit(long pid) {
  if (pid <= 0) return;
  auto until = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (std::chrono::steady_clock::now() < until && running(pid))
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

void restartPlayer(const std::vector<std::string>& command) {
  if (command.empty()) return;
  std::vector<char*> argv;
  for (const auto& word : command) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);
  ::execv(argv[0], argv.data());
  std::fprintf(stderr, "mirandel-update: cannot start %s\n", argv[0]);
}

}  // namespace

int main(int argc, char** argv) {
  Arguments arguments;
  if (!parse(argc, argv, arguments)) {
    std::fprintf(stderr, "usage: mirandel-update --game DIR [--wait PID] PASSWORD BASE PACKAGE [-- PLAYER ARGS...]\n");
    return 2;
  }
  const std::string& password = arguments.positional[0];
  const std::string& package = arguments.positional[2];
  waitForExit(arguments.waitPid);
  int result = 0;
  if (!base::GameFolder::isSafeName(package)) {
    std::fprintf(stderr, "mirandel-update: package name refused: %s\n", package.c_str());
    result = 1;
  } else {
    const std::filesystem::path folder = std::filesystem::absolute(arguments.gameFolder);
    std::string error;
    if (updater::unpackPackage(folder / package, password, folder, error)) {
      std::error_code ignored;
      std::filesystem::remove(folder / package, ignored);  // installed: never again
    } else {
      std::fprintf(stderr, "mirandel-update: %s\n", error.c_str());
      result = 1;
    }
  }
  // The player starts again either way: with the new files, or with the old ones.
  restartPlayer(arguments.restart);
  return result;
}
