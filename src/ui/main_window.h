// The player's window: borderless, its client area the outer notebook Abok0 with
// the game page, the hidden working page and the opening screen.
#pragma once
#include <QStackedWidget>
#include <QWidget>
#include <functional>

#include "ui/game_page.h"
#include "ui/opening_page.h"

namespace shell { struct Game; }

namespace ui {

class MainWindow : public QWidget {
  Q_OBJECT
 public:
  MainWindow(const Publisher& publisher, QWidget* parent = nullptr);

  void refresh(const shell::Game& game);

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

  int raisesSeen_ = 0;
  bool forwarding_ = false;

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
};

}  // namespace ui
