// The command box Input: one line, upper case only, Enter swallowed. Every key
// down is reported (the click sound), and the command keys are reported on key up.
// The arrows are the game's walking keys while the box is empty (as it is after
// every command); while it holds text they edit it: Left and Right move in the
// line, Up and Down go through the commands entered earlier in the session.
#pragma once
#include <QLineEdit>
#include <QStringList>
#include <set>

namespace ui {

class CommandBox : public QLineEdit {
  Q_OBJECT
 public:
  explicit CommandBox(QWidget* parent = nullptr);

  // The name of a command key ("F1".."F4", "Up", "Down", "Left", "Right",
  // "Enter"), or empty for any other key.
  static QString commandKeyName(int key);
  // The commands entered this session, the oldest first.
  const QStringList& history() const { return history_; }

 signals:
  void keyDown();
  void commandKeyReleased(const QString& name);
  // Esc emptied the box.
  void emptied();
  // Ctrl+C with nothing selected in the box: the game text selected is meant.
  void copyOutsideBox();

 protected:
  // With an empty box, undo and redo are the window's (whole turns); while it
  // holds text they undo and redo the typing.
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void remember(const QString& command);
  // One step through the history: -1 older, +1 newer (back to the line being edited).
  void recall(int step);

  QStringList history_;
  qsizetype recalled_ = 0;  // the entry on show; history_.size(): the line being edited
  QString edited_;          // the line being edited, kept while the history is on show
  std::set<int> editingArrows_;  // arrows pressed over text: their key up walks nowhere
};

}  // namespace ui
