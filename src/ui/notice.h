// A note of the window itself over the game (the sound is off, the page takes no
// typed commands): a small label over the game, said to a screen reader as it
// appears, that stays a few seconds or until taken away.
#pragma once
#include <QLabel>
#include <QTimer>

namespace ui {

class Notice : public QLabel {
  Q_OBJECT
 public:
  // The note sits over `over`, at its top right (corner) or in the middle of its foot.
  Notice(QWidget* window, QWidget* over, bool corner);
  // Shows the text; after `milliseconds` it goes (0: it stays until hidden).
  void say(const QString& text, int milliseconds = 0);
  // Keeps its place at the foot of the game as the window changes size.
  void place();

 private:
  QTimer timer_;
  QWidget* over_;
  bool corner_;
};

}  // namespace ui
