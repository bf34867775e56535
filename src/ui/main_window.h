// The player's window: borderless, its client area the outer notebook Abok0 with
// the game page, the hidden working page and the opening screen.
#pragma once
#include <QStackedWidget>
#include <QWidget>
#include <functional>

#include "ui/game_page.h"
#include "ui/opening_page.h"
#include "ui/window_scale.h"

namespace shell { struct Game; }

namespace ui {

class MainWindow : public QWidget {
  Q_OBJECT
 public:
  MainWindow(const Publisher& publisher, QWidget* parent = nullptr);

  void refresh(const shell::Game& game);

  // How many screen pixels one game pixel takes (1 to 4); refresh() afterwards.
  void setScale(double factor);
  const Scale& scale() const { return scale_; }
  // F11: the game in the middle of a black full screen, and back.
  void toggleFullScreen();

  QStackedWidget* Abok0;
  GamePage* gamePage;
  QWidget* imagesPage;
  OpeningPage* openingPage;

  // Asked when the window is about to close: true lets it close now (the
  // shut-down sequence has run), false keeps it open for now.
  std::function<bool()> onCloseRequested;
  // The window became the active window.
  std::function<void()> onActivated;

 private:
  bool handToCommandBox(QKeyEvent* event);
  void showShapeAndRaise(const view::ScreenModel& screen);

  void fitGame();

  QSize gameSize_{900, 420};
  Scale scale_;
  int raisesSeen_ = 0;
  bool forwarding_ = false;

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
};

}  // namespace ui
