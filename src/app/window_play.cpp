// The window front end.
#include "app/window_play.h"

#include <QApplication>
#include <QSocketNotifier>
#include <memory>

#include "app/window_options.h"
#include "platform/stop_signals.h"

namespace app {

int playInWindow(const Options& options, const std::filesystem::path& folder) {
  ui::WindowSession session(windowOptions(options, folder, false));
  session.start();
  // A stop signal closes the window as the end button does.
  std::unique_ptr<QSocketNotifier> stop;
  if (platform::stopSignalFd() >= 0) {
    stop = std::make_unique<QSocketNotifier>(platform::stopSignalFd(), QSocketNotifier::Read);
    QObject::connect(stop.get(), &QSocketNotifier::activated, &session.window, [&session] {
      if (platform::stopSignalReceived()) session.close();
    });
  }
  return QApplication::exec();
}

}  // namespace app
