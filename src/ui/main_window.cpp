// The main window.
#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>

#include "shell/game.h"
#include "ui/window_place.h"

namespace ui {

MainWindow::MainWindow(const Publisher& publisher, bool gamePageLater, QWidget* parent)
    : QWidget(parent), publisher_(publisher) {
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setWindowTitle(QStringLiteral("Mirandel"));
  setFixedSize(900, 420);
  // Around the game, in full screen, the window is black.
  setAutoFillBackground(true);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  Abok0 = new QStackedWidget(this);
  Abok0->setGeometry(0, 0, 900, 420);
  if (!gamePageLater) page();
  imagesPage = new QWidget;
  openingPage = new OpeningPage(publisher);
  Abok0->addWidget(imagesPage);
  Abok0->addWidget(openingPage);
  Abok0->setCurrentWidget(openingPage);
  // Over the pages (which the notebook raises as it shows them), at the foot of the game.
  notice = new Notice(this, Abok0, false);
  muteNote = new Notice(this, Abok0, true);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

GamePage* MainWindow::page() {
  if (gamePage) return gamePage;
  gamePage = new GamePage(publisher_);
  Abok0->insertWidget(0, gamePage);  // page 0 of the notebook
  // The scale the window took before the page was there.
  if (scale_.factor != Scale{}.factor) {
    for (PictureWidget* picture : gamePage->findChildren<PictureWidget*>()) picture->setSmooth(!scale_.whole());
    gamePage->setScale(scale_);
  }
  if (onGamePageMade) onGamePageMade();
  return gamePage;
}

void MainWindow::refresh(const model::Game& game) {
  const auto& area = game.window;
  const QSize size(area.width > 0 ? area.width : 900, area.height > 0 ? area.height : 420);
  if (gameSize_ != size) {
    gameSize_ = size;
    if (!showScale()) fitGame();
  }
  // Without a real display there is nothing to shape or raise.
  static const bool offscreen = QGuiApplication::platformName() == QStringLiteral("offscreen");
  if (!offscreen) showShapeAndRaise(game.screen);
  // The opening screen shows nothing of a game page not made yet.
  if (!gamePage && game.screen.outerPage == model::OuterPage::Abertura) return;
  page();
  int index = static_cast<int>(game.screen.outerPage);
  if (index == 1) index = 0;  // the working page is never shown
  if (Abok0->currentIndex() != index) Abok0->setCurrentIndex(index);
  gamePage->refresh(game);
}

void MainWindow::showShapeAndRaise(const model::ScreenModel& screen) {
  // The window takes the outline of its skin when the game has shaped it.
  if (screen.windowShaped && !screen.windowShape.empty() && !isFullScreen()) {
    QRegion region;
    for (const QRect& row : screen.windowShape) region += scale_.rect(row);
    if (mask() != region) setMask(region);
  } else if (!mask().isEmpty()) {
    clearMask();
  }
  if (screen.windowRaises != raisesSeen_) {
    raisesSeen_ = screen.windowRaises;
    raise();
    activateWindow();
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!onCloseRequested || onCloseRequested())
    event->accept();
  else
    event->ignore();
}

void MainWindow::setScale(double factor) {
  chosen_ = factor;
  showScale();
}

QScreen* MainWindow::currentScreen() const {
  if (QScreen* under = QGuiApplication::screenAt(geometry().center())) return under;
  return screen() ? screen() : QGuiApplication::primaryScreen();
}

double MainWindow::largestScale() const {
  QScreen* on = currentScreen();
  if (!followsScreen_ || !on) return kLargestScale;
  return largestScaleThatFits(gameSize_, on->availableGeometry().size());
}

bool MainWindow::showScale() {
  const double factor = isFullScreen() ? fullScreenScale(gameSize_, size(), exactFit_) : windowedScale();
  if (factor == scale_.factor) return false;
  scale_.factor = factor;
  // Whole-number scales show each pixel of a picture as a square block: the
  // pictures stay as sharp as they were drawn (pixel art, text drawn into
  // them), with nothing blurred or invented. Between whole numbers blocks
  // would come out one pixel wider here and there, so pictures are filtered.
  for (PictureWidget* picture : findChildren<PictureWidget*>()) picture->setSmooth(!scale_.whole());
  openingPage->setScale(scale_);
  if (gamePage) gamePage->setScale(scale_);
  if (isFullScreen()) {
    fitGame();
  } else {
    // The window grows or shrinks about its middle and stays on the screen.
    const QPoint middle = geometry().center();
    fitGame();
    if (isVisible()) keepOnScreen(middle - QPoint(width() / 2, height() / 2));
  }
  if (onScaleChanged) onScaleChanged();
  return true;
}

void MainWindow::keepOnScreen(QPoint wanted) {
  QList<QRect> screens;
  if (QScreen* primary = QGuiApplication::primaryScreen()) screens << primary->availableGeometry();
  for (QScreen* other : QGuiApplication::screens())
    if (other != QGuiApplication::primaryScreen()) screens << other->availableGeometry();
  move(placeOnScreens(wanted, size(), screens));
}

void MainWindow::setExactFit(bool exact) {
  exactFit_ = exact;
  showScale();
}

void MainWindow::toggleFullScreen() {
  if (isFullScreen()) {
    showNormal();
  } else {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    clearMask();
    // Full screen on the screen the window is on.
    if (QWindow* handle = windowHandle(); handle && currentScreen()) handle->setScreen(currentScreen());
    showFullScreen();
  }
  if (!showScale()) fitGame();
}

// The window takes the game's size at the scale; in full screen the game sits
// in the middle of the black screen.
void MainWindow::fitGame() {
  const QSize scaled = scale_.size(gameSize_);
  if (!isFullScreen() && size() != scaled) setFixedSize(scaled);
  const QRect area = isFullScreen() ? QRect(QPoint((width() - scaled.width()) / 2, (height() - scaled.height()) / 2), scaled)
                                    : QRect(QPoint(0, 0), scaled);
  if (Abok0->geometry() != area) Abok0->setGeometry(area);
  notice->place();
  muteNote->place();
}

void MainWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  // On another screen the window may have to step down (or may go back up).
  if (!isFullScreen()) showScale();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // Full screen fits the game to the screen's size once the window has it.
  if (!isFullScreen() || !showScale()) fitGame();
}

bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && onActivated) onActivated();
  return QWidget::event(event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  // A borderless window has no close button: Ctrl+Q closes it as the end button does.
  if (event->key() == Qt::Key_Q && (event->modifiers() & Qt::ControlModifier)) {
    close();
    return;
  }
  if (Abok0->currentWidget() == openingPage && openingPage->startKey(event)) return;
  // Where the game hides the box (a page read by its links, the map), typing
  // shows it for that command: the engine takes commands on every page, and
  // what the player types is never lost.
  if (typedWithoutBox(event)) gamePage->lendCommandBox();
  if (!handToCommandBox(event)) QWidget::keyPressEvent(event);
}

bool MainWindow::typedWithoutBox(const QKeyEvent* event) const {
  if (Abok0->currentWidget() != gamePage || gamePage->Input->isVisible() || event->isAutoRepeat()) return false;
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  // Enter alone on such a page is no command (the box would be empty).
  return event->text().size() == 1 && event->text().at(0).isLetterOrNumber();
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
  if (Abok0->currentWidget() == openingPage && openingPage->startKey(event)) return;
  if (!handToCommandBox(event)) QWidget::keyReleaseEvent(event);
}

// Keys that reach the window itself (no control took them) belong to the command
// box while the game page shows it: typing never gets lost.
bool MainWindow::handToCommandBox(QKeyEvent* event) {
  // A key the box leaves alone comes back up to the window: it stops here.
  if (forwarding_ || !gamePage || Abok0->currentWidget() != gamePage || !gamePage->Input->isVisible()) return false;
  CommandBox* box = gamePage->Input;
  forwarding_ = true;
  box->setFocus();
  QApplication::sendEvent(box, event);
  forwarding_ = false;
  return true;
}

}  // namespace ui
