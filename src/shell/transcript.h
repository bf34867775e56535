// The transcript: every text the game shows, in reading order, and every command
// typed ("> COMANDO"), appended as UTF-8 to one file per game, so a player can
// read back a whole session, and the window's scrollback shows it.
#pragma once
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/host.h"

namespace model { struct Game; }

namespace shell {

class InputQueue;

class Transcript {
 public:
  static constexpr size_t kSessionLimit = 8u << 20;  // bytes of the session the scrollback keeps

  // Appends to the file from now on (its folder is made); false when it cannot
  // be opened, and the transcript then keeps the session's text only.
  bool open(const std::filesystem::path& file);
  const std::filesystem::path& file() const { return file_; }

  // Hears the game's texts and the commands its queue receives.
  void attach(model::Game& game, InputQueue& queue);

  // A session's start: attaches, opens the file (none when empty) and writes a
  // line naming the game and the time. False when the file cannot be opened.
  bool begin(model::Game& game, InputQueue& queue, const std::filesystem::path& file);

  // A line of the player's own (UTF-8): the start of a session, a restore.
  void mark(const std::string& utf8Line);

  // What this session wrote (UTF-8, LF line ends): the window's scrollback.
  const std::string& sessionText() const { return session_; }

 private:
  void gameText(platform::TextSink sink, const std::string& cp1252);
  void command(const std::string& cp1252);
  void lineBreak();
  void write(const std::string& utf8);

  std::filesystem::path file_;
  std::ofstream out_;
  std::string session_;
  bool midLine_ = false;
  size_t pageLinks_ = 0;  // links of the page so far, numbered as the terminal numbers them
};

}  // namespace shell
