// The command box Input: one line, upper case only, Enter swallowed. Every key
// down is reported (the click sound), and the command keys are reported on key up.
#pragma once
#include <QLineEdit>

namespace ui {

class CommandBox : public QLineEdit {
  Q_OBJECT
 public:
  explicit CommandBox(QWidget* parent = nullptr);

  // The name of a command key ("F1".."F4", "Up", "Down", "Left", "Right",
  // "Enter"), or empty for any other key.
  static QString commandKeyName(int key);

 signals:
  void keyDown();
  void commandKeyReleased(const QString& name);

 protected:
  // With an empty box, undo and redo are the window's (whole turns); while it
  // holds text they undo and redo the typing.
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
};

}  // namespace ui
