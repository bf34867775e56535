// The desktop Host.
#include "ui/qt_host.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QProcess>
#include <QThread>
#include <QUrl>
#include <cstdio>

#include "base/cp1252.h"

namespace ui {
namespace {

QString unicode(const std::string& cp1252) { return QString::fromStdString(base::cp1252ToUtf8(cp1252)); }

}  // namespace

void QtHost::processEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents, 50); }

void QtHost::sleep(int milliseconds) {
  if (milliseconds <= 0) return;
  if (virtualClock_) {
    virtualTime_ += milliseconds;
    return;
  }
  // The window keeps painting while a run pauses; input waits in the queue.
  QElapsedTimer pause;
  pause.start();
  while (pause.elapsed() < milliseconds) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, milliseconds - static_cast<int>(pause.elapsed()));
    if (pause.elapsed() < milliseconds) QThread::msleep(1);
  }
}

int64_t QtHost::now() const { return virtualClock_ ? virtualTime_ : clock_.elapsed(); }

void QtHost::repaint() {
  if (onRepaint) onRepaint();
}

void QtHost::errorBox(const std::string& message) {
  record.errors.push_back(message);
  if (!modalErrors) {
    std::fprintf(stderr, "mirandel: %s\n", base::cp1252ToUtf8(message).c_str());
    return;
  }
  QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("mirandel"), unicode(message));
}

void QtHost::openWebPage(const std::string& address) {
  record.opened.push_back(address);
  if (!virtualClock_) QDesktopServices::openUrl(QUrl(unicode(address)));
}

void QtHost::startProgram(const std::string& program, const std::vector<std::string>& arguments) {
  std::string line = program;
  QStringList list;
  for (const auto& argument : arguments) {
    line += " " + argument;
    list << unicode(argument);
  }
  record.opened.push_back(line);
  if (!virtualClock_) QProcess::startDetached(unicode(program), list);
}

void QtHost::playEffect(const std::string& file) { record.sounds.push_back("effect " + file); }
void QtHost::playMusic(const std::string& file) { record.sounds.push_back("music " + file); }
void QtHost::stopMusic() { record.sounds.push_back("music stop"); }
void QtHost::setVolume(int volume) { record.sounds.push_back("volume " + std::to_string(volume)); }

void QtHost::quit() {
  if (onQuit) onQuit();
}

}  // namespace ui
