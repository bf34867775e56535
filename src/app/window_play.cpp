// The window front end.
#include "app/window_play.h"

#include <QApplication>

#include "app/window_options.h"

namespace app {

int playInWindow(const Options& options, const std::filesystem::path& folder) {
  ui::WindowSession session(windowOptions(options, folder, false));
  session.start();
  return QApplication::exec();
}

}  // namespace app
