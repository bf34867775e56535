// mirandel: reads the command line and chooses the front end — scripted play,
// the terminal, or the window.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "app/game_check.h"
#include "app/game_location.h"
#include "app/interface_language.h"
#include "app/online_options.h"
#include "app/options.h"
#include "app/scripted_play.h"
#include "app/window_play.h"
#include "base/cp1252.h"
#include "platform/stop_signals.h"
#include "shell/startup.h"
#include "terminal/terminal_play.h"

namespace {

bool hasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"})
    if (const char* value = std::getenv(name); value && *value) return true;
  return false;
}

bool argumentGiven(int argc, char** argv, const char* option) {
  for (int i = 1; i < argc; ++i)
    if (std::string(argv[i]) == option) return true;
  return false;
}

terminal::TerminalOptions terminalOptions(const app::Options& options, const std::filesystem::path& folder) {
  terminal::TerminalOptions terminal;
  terminal.start.gameFolder = folder.string();
  terminal.start.exeBaseName = options.exeBaseName;
  app::setOnlineOptions(options, terminal.start);
  terminal.traceFile = options.traceFile;
  terminal.userFolder = app::userDataFolder();
  terminal.mute = options.mute;
  return terminal;
}

// A second player on a game folder says so and ends; the window, when there
// would have been one, shows it in a box as well.
void reportGameAlreadyOpen(const std::filesystem::path& folder, bool inWindow) {
  const QString message =
      QCoreApplication::translate("Startup", "This game is already open in another mirandel (%1). "
                                             "Close that one to play it here.")
          .arg(QString::fromStdString(folder.string()));
  std::fprintf(stderr, "mirandel: %s\n", message.toUtf8().constData());
  if (inWindow) QMessageBox::critical(nullptr, QStringLiteral("mirandel"), message);
}

}  // namespace

int main(int argc, char** argv) {
  // Play watches for stop signals from the first moment on, so a stop that comes
  // during the start-up still ends the player with its shut-down sequence. The
  // checker has nothing to save and keeps the signals' usual effect.
  const bool check = argumentGiven(argc, argv, "--check");
  if (!check) platform::installStopSignals();
  bool headless = argumentGiven(argc, argv, "--text") || argumentGiven(argc, argv, "--events") ||
                  check || !hasDisplay();
  // Pictures and fonts need Qt's GUI layer even without a window.
  if (headless && !std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (!std::getenv("XDG_RUNTIME_DIR")) {
    std::string runtime = "/tmp/mirandel-runtime-" + std::to_string(getuid());
    mkdir(runtime.c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName("mirandel");
  QApplication::setApplicationVersion(MIRANDEL_VERSION);
  app::installInterfaceLanguage(application);

  auto options = app::parseOptions();
  if (!options) return 1;
  try {
    if (options->check) return app::checkGameFolder(*options);
    auto folder = app::playFolder(options->gameFolder);
    if (!options->eventsFile.empty()) return app::playEventsFile(*options, folder);
    if (options->text || headless) return terminal::playInTerminal(terminalOptions(*options, folder));
    return app::playInWindow(*options, folder);
  } catch (const shell::GameAlreadyOpen& open) {
    reportGameAlreadyOpen(open.folder, !headless);
  } catch (const shell::StartupError& error) {
    // The start-up's message is game text (Windows-1252); the terminal reads UTF-8.
    std::fprintf(stderr, "mirandel: %s\n", base::cp1252ToUtf8(error.what()).c_str());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "mirandel: %s\n", error.what());
  }
  return 1;
}
