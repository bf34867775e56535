// The scrollback: the session's transcript in a window of its own beside the
// game (PageUp or Ctrl+H), read-only, copyable, searchable with Ctrl+F; Esc
// closes the search and then the window. The game's screen stays as it is.
#pragma once
#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

namespace ui {

class ScrollbackView : public QDialog {
  Q_OBJECT
 public:
  explicit ScrollbackView(QWidget* parent = nullptr);

  // Shows the text (UTF-8), scrolled to its end.
  void showText(const QString& text);
  // Ctrl+F: the search line takes the keys.
  void startSearch();
  // The next place the search line's text is found, from the cursor on and
  // then from the top; false when it is nowhere.
  bool findNext();

  QPlainTextEdit* text;
  QLineEdit* search;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace ui
