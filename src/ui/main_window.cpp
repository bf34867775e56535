// The main window.
#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "shell/game.h"

namespace ui {

MainWindow::MainWindow(const Publisher& publisher, QWidget* parent) : QWidget(parent) {
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setWindowTitle(QStringLiteral("Mirandel"));
  setFixedSize(900, 420);
  Abok0 = new QStackedWidget(this);
  Abok0->setGeometry(0, 0, 900, 420);
  gamePage = new GamePage(publisher);
  imagesPage = new QWidget;
  openingPage = new OpeningPage(publisher);
  Abok0->addWidget(gamePage);
  Abok0->addWidget(imagesPage);
  Abok0->addWidget(openingPage);
  Abok0->setCurrentWidget(openingPage);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void MainWindow::refresh(const shell::Game& game) {
  const auto& area = game.window;
  QSize size(area.width > 0 ? area.width : 900, area.height > 0 ? area.height : 420);
  if (this->size() != size) {
    setFixedSize(size);
    Abok0->setGeometry(0, 0, size.width(), size.height());
  }
  // Without a real display there is nothing to shape or raise.
  static const bool offscreen = QGuiApplication::platformName() == QStringLiteral("offscreen");
  if (!offscreen) showShapeAndRaise(game.screen);
  int page = static_cast<int>(game.screen.outerPage);
  if (page == 1) page = 0;  // the working page is never shown
  if (Abok0->currentIndex() != page) Abok0->setCurrentIndex(page);
  gamePage->refresh(game);
}

void MainWindow::showShapeAndRaise(const view::ScreenModel& screen) {
  // The window takes the outline of its skin when the game has shaped it.
  if (screen.windowShaped && !screen.windowShape.empty()) {
    QRegion region;
    for (const QRect& row : screen.windowShape) region += row;
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
  if (!handToCommandBox(event)) QWidget::keyPressEvent(event);
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
  if (!handToCommandBox(event)) QWidget::keyReleaseEvent(event);
}

// Keys that reach the window itself (no control took them) belong to the command
// box while the game page shows it: typing never gets lost.
bool MainWindow::handToCommandBox(QKeyEvent* event) {
  CommandBox* box = gamePage->Input;
  // A key the box leaves alone comes back up to the window: it stops here.
  if (forwarding_ || Abok0->currentWidget() != gamePage || !box->isVisible()) return false;
  forwarding_ = true;
  box->setFocus();
  QApplication::sendEvent(box, event);
  forwarding_ = false;
  return true;
}

}  // namespace ui
