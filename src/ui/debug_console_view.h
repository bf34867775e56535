// The window's debug console for authors (Ctrl+Shift+D): a small window beside
// the game with the answers above and a line for commands below; each command
// goes to the shell's console, which both front ends share.
#pragma once
#include <QDialog>
#include <functional>
#include <memory>

#include "shell/debug_console.h"

class QLineEdit;
class QPlainTextEdit;

namespace ui {

class DebugConsoleView : public QDialog {
  Q_OBJECT
 public:
  // afterCommand: what the window does once a command was handled (show the game anew).
  DebugConsoleView(model::Game& game, shell::InputQueue& queue, const platform::HostRecord& record,
                   std::function<void()> afterCommand,
                   QWidget* parent = nullptr);
  ~DebugConsoleView() override;

  // A command as if typed into the line and Enter pressed.
  void enter(const QString& command);

  QLineEdit* input;
  QPlainTextEdit* output;

 private:
  std::unique_ptr<shell::DebugConsole> console_;
  std::function<void()> afterCommand_;
};

}  // namespace ui
