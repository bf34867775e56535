// Command line to window options.
#include "app/window_options.h"

#include "app/online_options.h"

namespace app {

ui::WindowOptions windowOptions(const Options& options, const std::filesystem::path& folder, bool scripted) {
  ui::WindowOptions window;
  window.start.gameFolder = folder.string();
  window.start.exeBaseName = options.exeBaseName;
  setOnlineOptions(options, window.start);
  if (!options.publisherUrl.empty()) {
    window.publisher.baseAddress = QString::fromStdString(options.publisherUrl);
    if (!window.publisher.baseAddress.endsWith('/')) window.publisher.baseAddress += '/';
  }
  window.scripted = scripted;
  window.mute = options.mute;
  window.traceFile = options.traceFile;
  return window;
}

}  // namespace app
