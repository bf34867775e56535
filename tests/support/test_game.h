// Test support: a temporary game folder with files written in Windows-1252, and
// a started game on it behind a HeadlessHost.
#pragma once
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "backends/headless_host.h"
#include "platform/recording_host.h"
#include "shell/game.h"

namespace testing_support {

// A folder under the system temporary folder, removed with the object.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  const std::filesystem::path& path() const { return path_; }
  // Writes the UTF-8 text as Windows-1252 with CR LF line ends.
  void write(const std::string& name, const std::string& utf8Text) const;
  void writeBytes(const std::string& name, const std::string& bytes) const;
  std::string read(const std::string& name) const;  // raw bytes
  std::vector<std::string> readLines(const std::string& name) const;  // Windows-1252 file, as UTF-8
  std::vector<std::string> readUtf8Lines(const std::string& name) const;  // a UTF-8 file (dumps)
  bool exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }

 private:
  std::filesystem::path path_;
};

// The files every game folder holds: the table "mirandel.ini" (the built-in
// rows unless given), the registers "mirandel.rgs" (UTF-8 values) and empty
// object files.
void writeGameFiles(const TempFolder& folder, const std::vector<std::string>& registers = {},
                    const std::vector<std::string>& table = {});

// Plays the events on the game folder with the player program (the events go into
// "events.txt", the player's errors into "stderr.txt"), with any further options
// written as on a command line; returns its exit status.
int playEvents(const TempFolder& game, const std::string& events, const std::string& options = "");
// The events with each "dump DIR" naming DIR inside the game folder.
std::string dumpsInGame(const TempFolder& game, const std::string& events);
// A value a dump's "state.txt" holds (dump: the dump's folder inside the game
// folder), or "<absent>".
std::string dumpedState(const TempFolder& game, const std::string& dump, const std::string& name);

// A game on a temporary folder holding an empty table file (the built-in rows).
struct TestGame {
  explicit TestGame(bool startNow = true);
  void start(const std::string& exeBaseName = "mirandel");
  // Writes a script (UTF-8 lines joined with CR LF).
  void script(const std::string& name, const std::string& utf8Lines) const;
  // Runs a script and returns the trace lines of the run (as UTF-8).
  std::vector<std::string> run(const std::string& name);
  std::string reg(int n) const;
  void setReg(int n, const std::string& utf8Value);
  std::string errors() const;  // error boxes joined by newlines, UTF-8

  // The started game stands for a game in play (as after a game start): its
  // runs are saved. Tests of the game start itself turn this off.
  bool gameInPlay = true;

  TempFolder folder;
  std::string serverBaseUrl;  // set before start() for on-line play
  backends::HeadlessHost headless;
  platform::RecordingHost host{headless};  // the game's host, recording what it was asked
  std::unique_ptr<shell::Game> game;
};

// Windows-1252 <-> UTF-8 for assertions.
std::string cp(const std::string& utf8);
std::string utf(const std::string& cp1252);

}  // namespace testing_support
