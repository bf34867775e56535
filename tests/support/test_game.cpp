// Test support implementation.
#include "support/test_game.h"

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

#include "base/cp1252.h"
#include "base/file_io.h"
#include "shell/startup.h"
#include "shell/turn.h"

namespace testing_support {

std::string cp(const std::string& utf8) { return base::utf8ToCp1252(utf8); }
std::string utf(const std::string& cp1252) { return base::cp1252ToUtf8(cp1252); }

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("mirandel-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

void TempFolder::writeBytes(const std::string& name, const std::string& bytes) const {
  std::filesystem::create_directories((path_ / name).parent_path());
  std::ofstream(path_ / name, std::ios::binary) << bytes;
}

void TempFolder::write(const std::string& name, const std::string& utf8Text) const {
  base::Lines lines = base::splitLines(base::utf8ToCp1252(utf8Text));
  writeBytes(name, base::joinLines(lines));
}

void writeGameFiles(const TempFolder& folder, const std::vector<std::string>& registers,
                    const std::vector<std::string>& table) {
  folder.writeBytes("mirandel.ini", base::joinLines(table.empty() ? model::DefinitionsTable::builtInRows() : table));
  base::Lines values;
  for (const auto& value : registers) values.push_back(base::utf8ToCp1252(value));
  folder.writeBytes("mirandel.rgs", base::joinLines(values));
  folder.writeBytes("mirandel.obz", "");
  folder.writeBytes("mirandel.obx", "");
}

int playEvents(const TempFolder& game, const std::string& events, const std::string& options) {
  game.writeBytes("events.txt", events);
  const std::string command = std::string(MIRANDEL_BINARY) + " --game " + game.path().string() + " --events " +
                              (game.path() / "events.txt").string() + " " + options + " 2>" +
                              (game.path() / "stderr.txt").string();
  return WEXITSTATUS(std::system(command.c_str()));
}

std::string dumpsInGame(const TempFolder& game, const std::string& events) {
  std::string placed;
  for (const std::string& line : base::splitLines(events))
    placed += (line.rfind("dump ", 0) == 0 ? "dump " + (game.path() / line.substr(5)).string() : line) + "\n";
  return placed;
}

std::string dumpedState(const TempFolder& game, const std::string& dump, const std::string& name) {
  for (const auto& line : game.readUtf8Lines(dump + "/state.txt"))
    if (line.rfind(name + "=", 0) == 0) return line.substr(name.size() + 1);
  return "<absent>";
}

std::string TempFolder::read(const std::string& name) const {
  return base::readFileBytes(path_ / name).value_or("<missing>");
}

std::vector<std::string> TempFolder::readLines(const std::string& name) const {
  std::vector<std::string> lines;
  for (const auto& line : base::splitLines(read(name))) lines.push_back(utf(line));
  return lines;
}

std::vector<std::string> TempFolder::readUtf8Lines(const std::string& name) const {
  return base::splitLines(read(name));
}

TestGame::TestGame(bool startNow) {
  folder.writeBytes("mirandel.ini", "");
  if (startNow) start();
}

void TestGame::start(const std::string& exeBaseName) {
  game = std::make_unique<shell::Game>(host);
  shell::StartOptions options;
  options.gameFolder = folder.path().string();
  options.exeBaseName = exeBaseName;
  options.serverBaseUrl = serverBaseUrl;
  shell::start(*game, options);
  game->world.gameLoaded = gameInPlay;
}

void TestGame::script(const std::string& name, const std::string& utf8Lines) const {
  folder.write(name + ".scx", utf8Lines);
}

std::vector<std::string> TestGame::run(const std::string& name) {
  std::vector<std::string> trace;
  game->traceHook = [&](const std::string& line) { trace.push_back(utf(line)); };
  shell::runScript(*game, cp(name));
  game->traceHook = nullptr;
  return trace;
}

std::string TestGame::reg(int n) const { return utf(game->Regs.values().at(static_cast<size_t>(n))); }
void TestGame::setReg(int n, const std::string& utf8Value) {
  game->Regs.values().at(static_cast<size_t>(n)) = cp(utf8Value);
}

std::string TestGame::errors() const {
  std::string all;
  for (const auto& e : host.record.errors) all += utf(e) + "\n";
  return all;
}

}  // namespace testing_support
