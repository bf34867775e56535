// The authors' debug console, one parser for the window's console (Ctrl+Shift+D)
// and the terminal's (:console): show and set registers, list the objects and
// where they are, go to a script as a place change, the statement trace on and
// off, the last error shown. A run it starts goes through the input queue like
// any command, so undo and save after it work as for any run; looking never
// changes the game.
#pragma once
#include <functional>
#include <string>

namespace model { struct Game; }
namespace platform { struct HostRecord; }

namespace shell {

class InputQueue;

class DebugConsole {
 public:
  // print receives each line of the answers (UTF-8), and the trace lines while
  // the trace is on; record is where the last error box is read.
  DebugConsole(model::Game& game, InputQueue& queue, const platform::HostRecord& record,
               std::function<void(const std::string&)> print);
  ~DebugConsole();
  DebugConsole(const DebugConsole&) = delete;
  DebugConsole& operator=(const DebugConsole&) = delete;

  // One command line as typed (UTF-8).
  void command(const std::string& utf8Line);
  bool tracing() const { return tracing_; }

 private:
  void showRegister(const std::string& number);
  void setRegister(const std::string& number, const std::string& utf8Value);
  void showRow(const std::string& positionOrName);
  void listObjects();
  void goTo(const std::string& utf8Script);
  void trace(bool on);
  void lastError();

  model::Game& game_;
  InputQueue& queue_;
  const platform::HostRecord& record_;
  std::function<void(const std::string&)> print_;
  std::function<void(const std::string&)> traceBefore_;  // the hook the trace had (--trace)
  bool tracing_ = false;
};

}  // namespace shell
