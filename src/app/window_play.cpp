// The window front end.
#include "app/window_play.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <memory>

#include "app/window_options.h"
#include "platform/stop_signals.h"

namespace app {
namespace {

// --quit-when-shown: the first paint of anything in the window closes it, once
// that paint has gone to the screen (the next turn of the event loop).
class CloseWhenPainted : public QObject {
 public:
  explicit CloseWhenPainted(ui::WindowSession& session) : session_(session) {}

 private:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!painted_ && event->type() == QEvent::Paint && widget && widget->window() == &session_.window) {
      painted_ = true;
      QTimer::singleShot(0, &session_.window, [this] { session_.stop(); });
    }
    return false;
  }
  ui::WindowSession& session_;
  bool painted_ = false;
};

}  // namespace

int playInWindow(const Options& options, const std::filesystem::path& folder) {
  ui::WindowSession session(windowOptions(options, folder, false));
  // A stop signal closes the window as the end button does. It is watched from
  // before the start-up on, in every event loop (a message box's too).
  std::unique_ptr<QSocketNotifier> stop;
  if (platform::stopSignalFd() >= 0) {
    stop = std::make_unique<QSocketNotifier>(platform::stopSignalFd(), QSocketNotifier::Read);
    QObject::connect(stop.get(), &QSocketNotifier::activated, &session.window, [&session] {
      if (platform::stopSignalReceived()) session.stop();
    });
  }
  std::unique_ptr<CloseWhenPainted> closeWhenPainted;
  if (options.quitWhenShown) {
    closeWhenPainted = std::make_unique<CloseWhenPainted>(session);
    QApplication::instance()->installEventFilter(closeWhenPainted.get());
  }
  session.start();
  return QApplication::exec();
}

}  // namespace app
