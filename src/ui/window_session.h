// A session of the player in its window: the Qt host, the game, the input queue
// and the window, connected. Used for play and for scripted play, where events go
// through the window's own handlers.
#pragma once
#include <filesystem>
#include <memory>
#include <string>

#include "shell/game.h"
#include "shell/input_queue.h"
#include "shell/startup.h"
#include "ui/main_window.h"
#include "ui/qt_host.h"

namespace ui {

struct WindowOptions {
  shell::StartOptions start;
  Publisher publisher;
  bool scripted = false;  // virtual clock, no modal boxes
  std::string traceFile;
};

class WindowSession {
 public:
  explicit WindowSession(const WindowOptions& options);
  ~WindowSession();

  // Start-up, then the window shows the opening screen. Throws shell::StartupError.
  void start();

  // Scripted input, delivered through the window's own handlers.
  void deliver(const shell::PlayerInput& input);
  void wait(int milliseconds);
  bool dump(const std::filesystem::path& folder);

  bool closed() const { return shutDown_; }
  // Closes the window the way the end button does (shut-down sequence once).
  void close();

  QtHost host;
  shell::Game game;
  shell::InputQueue queue;
  MainWindow window;

 private:
  void connectWindow();
  void connectMap();
  void post(shell::PlayerInput input);
  bool shutDownOnce();
  void pressEndButton();
  void releaseEndButton();
  QWidget* surfaceWidget(const std::string& surface);

  WindowOptions options_;
  std::unique_ptr<std::ofstream> trace_;
  bool shutDown_ = false;
};

}  // namespace ui
