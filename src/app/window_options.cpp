// Command line to window options.
#include "app/window_options.h"

#include <QStandardPaths>

#include "app/game_location.h"
#include "app/online_options.h"
#include "ui/window_scale.h"

namespace app {
namespace {

// Where the window keeps what the user chose (its scale, its fit).
QString windowSettingsFile() {
  return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/window.ini");
}

}  // namespace

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
  window.scale = options.scale;
  // Scripted play neither reads nor changes what the user chose.
  if (!scripted) window.settingsFile = windowSettingsFile();
  window.traceFile = options.traceFile;
  window.transcriptFile = transcriptFile(options.transcriptFile, folder, scripted);
  window.slotsFolder = slotsFolder(folder);
  window.watch = options.watch;
  // The opening screen is on show before the game page is made.
  window.gamePageLater = !scripted;
  window.start.runObserver = options.runObserver;
  return window;
}

double startingScale(const Options& options) {
  return options.scale > 0 ? options.scale : ui::rememberedScale(windowSettingsFile());
}

}  // namespace app
