// The player's window: borderless, its client area the outer notebook Abok0 with
// the game page, the hidden working page and the opening screen.
#pragma once
#include <QScreen>
#include <QStackedWidget>
#include <QWidget>
#include <algorithm>
#include <functional>

#include "ui/game_page.h"
#include "ui/notice.h"
#include "ui/opening_page.h"
#include "ui/window_scale.h"

namespace model { struct Game; }

namespace ui {

class MainWindow : public QWidget {
  Q_OBJECT
 public:
  // gamePageLater: the game page is made when it is first needed (page()),
  // so that the opening screen is on show before it; otherwise at once.
  explicit MainWindow(const Publisher& publisher, bool gamePageLater = false, QWidget* parent = nullptr);

  void refresh(const model::Game& game);

  // How many screen pixels one game pixel takes (1 to 4), as the player chose
  // it. The window shows the largest scale up to that which fits the screen it
  // is on: on a smaller screen it steps down, and back up on a larger one.
  // refresh() afterwards.
  void setScale(double factor);
  double chosenScale() const { return chosen_; }
  // The scale shown.
  const Scale& scale() const { return scale_; }
  // The largest scale the window may take on its screen, and the scale it shows
  // out of full screen.
  double largestScale() const;
  double windowedScale() const { return std::min(chosen_, largestScale()); }
  // Scripted play's window is on no screen the player sees: it keeps the scale chosen.
  void setFollowsScreen(bool follows) { followsScreen_ = follows; }
  // F11: the game fitted to the screen, centred on black, and back. The fit is
  // exact, or in whole steps (each game pixel a square block).
  void toggleFullScreen();
  void setExactFit(bool exact);
  bool exactFit() const { return exactFit_; }
  // Moves the window as little as needed to lie wholly on a screen.
  void keepOnScreen(QPoint wanted);
  // The screen the window is on (the one under its middle).
  QScreen* currentScreen() const;

  // The game page, made now if it was not made yet.
  GamePage* page();

  QStackedWidget* Abok0;
  GamePage* gamePage = nullptr;  // null until made (page())
  QWidget* imagesPage;
  OpeningPage* openingPage;
  // The window's own notes over the game: one that comes and goes, and the
  // corner note that stays while the sound is off.
  Notice* notice;
  Notice* muteNote;

  // Asked when the window is about to close: true lets it close now (the
  // shut-down sequence has run), false keeps it open for now.
  std::function<bool()> onCloseRequested;
  // The window became the active window.
  std::function<void()> onActivated;
  // The window took another scale by itself (another screen, another game size):
  // the page is to be shown again.
  std::function<void()> onScaleChanged;
  // The game page was made after the window: its controls are to be connected.
  std::function<void()> onGamePageMade;

 private:
  bool handToCommandBox(QKeyEvent* event);
  // A letter or digit typed on the game page while the game hides the box.
  bool typedWithoutBox(const QKeyEvent* event) const;
  void showShapeAndRaise(const model::ScreenModel& screen);

  void fitGame();
  // Shows the scale the screen and the mode call for; true when it changed.
  bool showScale();

  Publisher publisher_;
  QSize gameSize_{900, 420};
  Scale scale_;
  double chosen_ = 1.0;
  bool followsScreen_ = true;
  bool exactFit_ = true;
  int raisesSeen_ = 0;
  bool forwarding_ = false;

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
};

}  // namespace ui
