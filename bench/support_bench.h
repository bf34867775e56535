// Benchmark support: a started game on a temporary folder.
#pragma once
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "platform/headless_host.h"
#include "shell/game.h"
#include "shell/startup.h"

struct BenchGame {
  BenchGame() {
    folder = std::filesystem::temp_directory_path() / ("mirandel-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "mirandel.ini", std::ios::binary);
    shell::StartOptions options;
    options.gameFolder = folder.string();
    shell::start(game, options);
  }
  ~BenchGame() { std::filesystem::remove_all(folder); }
  void writeScript(const std::string& name, const std::string& text) {
    std::ofstream(folder / (name + ".scx"), std::ios::binary) << text;
  }
  std::filesystem::path folder;
  platform::HeadlessHost host;
  shell::Game game{host};
};
