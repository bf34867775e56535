// The desktop Host.
#include "backends/qt_host.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QProcess>
#include <QThread>
#include <QUrl>
#include <algorithm>
#include <cstdio>

#include "base/cp1252.h"
#include "backends/qt_text.h"

namespace backends {

QtHost::QtHost(bool virtualClock) : virtualClock_(virtualClock) {
  clock_.start();
  if (!virtualClock) browser = [](const QString& address) { return QDesktopServices::openUrl(QUrl(address)); };
}

void QtHost::processEvents() {
  // A run lets the window's events through between its statements; painting a
  // long text costs more as the text grows, so they go through at a pace.
  eventsPace_.runWhenDue([] { QCoreApplication::processEvents(QEventLoop::AllEvents, 50); });
}

void QtHost::sleep(int milliseconds) {
  if (milliseconds <= 0) return;
  if (virtualClock_) {
    virtualTime_ += milliseconds;
    virtualTimers_.skipTo(virtualTime_);
    return;
  }
  // The window keeps painting while a run pauses; input waits in the queue.
  QElapsedTimer pause;
  pause.start();
  // Closing the player ends the pause: the run goes on to its end at once.
  while (!closing_ && pause.elapsed() < milliseconds) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, milliseconds - static_cast<int>(pause.elapsed()));
    if (pause.elapsed() < milliseconds) QThread::msleep(1);
  }
}

int64_t QtHost::now() const { return virtualClock_ ? virtualTime_ : clock_.elapsed(); }

void QtHost::repaint() {
  if (onRepaint) onRepaint();
}

void QtHost::errorBox(const std::string& message) {
  // No box is opened while the player closes: nobody would answer it.
  if (!modalErrors || closing_) {
    std::fprintf(stderr, "mirandel: %s\n", base::cp1252ToUtf8(message).c_str());
    return;
  }
  QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("mirandel"), unicode(message));
}

void QtHost::openWebPage(const std::string& address) {
  // Without a browser the player would otherwise see nothing happen at all.
  if (browser && !browser(unicode(address)))
    outer->errorBox("N\xE3o foi poss\xEDvel abrir " + address + ": nenhum navegador foi encontrado.");
}

void QtHost::startProgram(const std::string& program, const std::vector<std::string>& arguments) {
  QStringList list;
  for (const auto& argument : arguments) list << unicode(argument);
  if (!virtualClock_) QProcess::startDetached(unicode(program), list);
}

int QtHost::startTimer(int milliseconds, std::function<void()> tick) {
  if (virtualClock_) return virtualTimers_.start(virtualTime_, milliseconds, std::move(tick));
  const int id = nextTimer_++;
  auto timer = std::make_unique<QTimer>();
  timer->setInterval(std::max(1, milliseconds));
  QObject::connect(timer.get(), &QTimer::timeout, [tick = std::move(tick)] {
    if (QApplication::activeWindow()) tick();
  });
  timer->start();
  timers_[id] = std::move(timer);
  return id;
}

void QtHost::stopTimer(int id) {
  if (virtualClock_)
    virtualTimers_.stop(id);
  else if (auto found = timers_.find(id); found != timers_.end()) {
    // A tick may stop its own timer: the timer goes once its event has returned.
    found->second->stop();
    found->second.release()->deleteLater();
    timers_.erase(found);
  }
}

void QtHost::advance(int milliseconds) {
  if (milliseconds <= 0) return;
  virtualTimers_.advanceTo(virtualTime_ + milliseconds);
  virtualTime_ += milliseconds;
}

void QtHost::quit() {
  if (onQuit) onQuit();
}

}  // namespace backends
