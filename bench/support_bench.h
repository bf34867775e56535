// Benchmark support: a started game on a temporary folder.
#pragma once
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "backends/headless_host.h"
#include "shell/game.h"
#include "shell/startup.h"

struct BenchGame {
  // startGame false: only the folder, for a window that starts its own game on
  // it (a folder is played by one game at a time).
  explicit BenchGame(bool startGame = true) {
    folder = std::filesystem::temp_directory_path() / ("mirandel-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "mirandel.ini", std::ios::binary);
    if (!startGame) return;
    shell::StartOptions options;
    options.gameFolder = folder.string();
    shell::start(game, options);
  }
  ~BenchGame() { std::filesystem::remove_all(folder); }
  void writeScript(const std::string& name, const std::string& text) {
    std::ofstream(folder / (name + ".scx"), std::ios::binary) << text;
  }
  std::filesystem::path folder;
  backends::HeadlessHost host;
  shell::Game game{host};
};
