// The window front end.
#include "app/window_play.h"

#include <QApplication>
#include <QSocketNotifier>
#include <memory>

#include "app/window_options.h"
#include "platform/stop_signals.h"
#include "ui/first_paint.h"

namespace app {

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
  // --quit-when-shown: the opening screen on show closes the window, as the end button does.
  if (options.quitWhenShown) ui::afterFirstPaint(&session.window, [&session] { session.stop(); });
  session.start();
  return QApplication::exec();
}

}  // namespace app
