// mirandel: reads the command line and chooses the front end — scripted play,
// the terminal, or the window.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <iostream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "app/game_check.h"
#include "app/game_choice.h"
#include "app/game_location.h"
#include "app/games_library.h"
#include "app/interface_language.h"
#include "app/new_game.h"
#include "app/online_options.h"
#include "app/options.h"
#include "app/scratch_folder.h"
#include "app/qt_messages.h"
#include "app/scripted_play.h"
#include "app/window_options.h"
#include "app/window_play.h"
#include "base/cp1252.h"
#include "base/file_io.h"
#include "check/play_record.h"
#include "graphics/font_warm_up.h"
#include "platform/stop_signals.h"
#include "shell/startup.h"
#include "terminal/terminal_play.h"
#include "ui/raise_request.h"
#include "ui/title_picture.h"

namespace {

bool hasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"})
    if (const char* value = std::getenv(name); value && *value) return true;
  return false;
}

// An empty variable counts as none, as Qt counts it.
bool unset(const char* name) {
  const char* value = std::getenv(name);
  return !value || !*value;
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
  terminal.transcriptFile = app::transcriptFile(options.transcriptFile, folder, false);
  terminal.slotsFolder = app::slotsFolder(folder);
  terminal.userFolder = app::userDataFolder();
  terminal.mute = options.mute;
  terminal.watch = options.watch;
  terminal.start.runObserver = options.runObserver;
  terminal.soundDeviceMissing = app::soundDeviceMissing;
  return terminal;
}

int play(const app::Options& options, const std::filesystem::path& folder, bool headless) {
  if (!options.eventsFile.empty()) return app::playEventsFile(options, folder);
  if (options.text || headless) return terminal::playInTerminal(terminalOptions(options, folder));
  return app::playInWindow(options, folder);
}

// Play with the author's record (--steps, --coverage) when one was asked for.
int playRecorded(app::Options& options, const std::filesystem::path& folder, bool headless) {
  if (options.stepsFile.empty() && options.coverageFile.empty()) return play(options, folder, headless);
  check::PlayRecord record(options.stepsFile);
  if (!record.ready()) {
    std::fprintf(stderr, "mirandel: %s\n",
                 QCoreApplication::translate("Options", "cannot write the steps file %1")
                     .arg(QString::fromStdString(options.stepsFile)).toLocal8Bit().constData());
    return 1;
  }
  options.runObserver = &record;
  const int status = play(options, folder, headless);
  options.runObserver = nullptr;
  if (!options.coverageFile.empty() && !base::writeFileAtomically(options.coverageFile, record.coverage(folder))) {
    std::fprintf(stderr, "mirandel: %s\n",
                 QCoreApplication::translate("Options", "cannot write the coverage file %1")
                     .arg(QString::fromStdString(options.coverageFile)).toLocal8Bit().constData());
    return status == 0 ? 1 : status;
  }
  return status;
}

// A second player on a game folder says so and ends; the window, when there
// would have been one, shows it in a box as well.
void reportGameAlreadyOpen(const std::filesystem::path& folder, bool inWindow) {
  const QString message =
      QCoreApplication::translate("Startup", "This game is already open in another mirandel (%1). "
                                             "Close that one to play it here.")
          .arg(QString::fromStdString(folder.string()));
  std::fprintf(stderr, "mirandel: %s\n", message.toUtf8().constData());
  // The first player's window comes to the front, where it has one.
  if (ui::askToRaise(folder)) return;
  if (inWindow) QMessageBox::critical(nullptr, QStringLiteral("mirandel"), message);
}

}  // namespace

int main(int argc, char** argv) {
  // Play watches for stop signals from the first moment on, so a stop that comes
  // during the start-up still ends the player with its shut-down sequence. The
  // checker has nothing to save and keeps the signals' usual effect.
  const bool check = argumentGiven(argc, argv, "--check") || argumentGiven(argc, argv, "--new");
  if (!check) platform::installStopSignals();
  bool headless = argumentGiven(argc, argv, "--text") || argumentGiven(argc, argv, "--events") ||
                  check || !hasDisplay();
  // Pictures and fonts need Qt's GUI layer even without a window.
  if (headless && unset("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // An X display that does not answer (a stale DISPLAY) leaves the window
  // nowhere to go: Qt then starts without one, and the game plays in the terminal.
  const bool displayFallback = !headless && unset("QT_QPA_PLATFORM") && unset("WAYLAND_DISPLAY");
  if (displayFallback) setenv("QT_QPA_PLATFORM", "xcb;offscreen", 1);
  // The window's first texts need the font configuration: it is read beside
  // Qt's own start-up and the building of the window.
  std::optional<graphics::FontWarmUp> fontWarmUp;
  if (!headless) fontWarmUp.emplace();
  app::filterQtMessages();
  if (!std::getenv("XDG_RUNTIME_DIR")) {
    std::string runtime = "/tmp/mirandel-runtime-" + std::to_string(getuid());
    mkdir(runtime.c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  }
  QApplication application(argc, argv);
  app::endStartUpQuiet();
  if (displayFallback) unsetenv("QT_QPA_PLATFORM");  // programs the player starts choose their own
  QApplication::setApplicationName("mirandel");
  // Docks and task bars find the desktop entry, and with it the icon, by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.mirandel.mirandel"));
  QApplication::setApplicationVersion(MIRANDEL_VERSION);
  app::installInterfaceLanguage(application);

  auto options = app::parseOptions();
  if (!options) return 1;
  if (displayFallback && QGuiApplication::platformName() == QStringLiteral("offscreen")) {
    headless = true;
    if (!options->check && options->eventsFile.empty())
      std::fprintf(stderr, "mirandel: %s\n",
                   QCoreApplication::translate("Options", "the display %1 does not answer: playing in the terminal")
                       .arg(QString::fromLocal8Bit(std::getenv("DISPLAY") ? std::getenv("DISPLAY") : ""))
                       .toLocal8Bit()
                       .constData());
  }
  // The window's title picture is painted while the game is found and started.
  std::optional<ui::EarlyTitlePicture> earlyTitle;
  try {
    if (!options->newGameFolder.empty()) return app::newGameCommand(options->newGameFolder, options->newGameName);
    if (options->check) return app::checkGameFolder(*options);
    auto library = app::userGamesLibrary(options->exeBaseName);
    if (options->listGames) {
      app::printGames(library.games(), std::cout);
      return 0;
    }
    if (!headless && !options->text) {
      // The window then starts at the scale the title was begun at, read once.
      options->scale = app::startingScale(*options);
      earlyTitle.emplace(options->scale);
    }
    // Scripted play never reads or changes the library; play without a game
    // named chooses one of the library's when it knows more than one.
    const bool scripted = !options->eventsFile.empty();
    std::optional<app::KnownGame> chosen;
    if (!scripted && options->gameFolder.empty())
      if (auto games = library.games(); games.size() > 1) {
        chosen = options->text || headless ? app::askForGame(games, app::readInputLine, std::cout) : app::chooseInWindow(library);
        if (!chosen) return 0;
      }
    // An installed game is played from its per-user copy, as the bundled one is.
    auto folder = chosen && chosen->installed ? app::userCopy(chosen->folder, app::userDataFolder())
                  : chosen                    ? app::playFolder(chosen->folder.string())
                                              : app::playFolder(options->gameFolder);
    // The library's note of this play (a synced write) is made beside the start-up, not before it.
    std::jthread libraryNote;
    if (!scripted)
      libraryNote = std::jthread(app::recordPlayedGame, std::ref(library),
                                 chosen ? chosen->folder.string() : options->gameFolder, folder, options->exeBaseName);
    // --scratch: the copy is removed when play ends, however it ends.
    std::optional<app::ScratchFolder> scratch;
    if (options->scratch) folder = scratch.emplace(folder).folder();
    return playRecorded(*options, folder, headless);
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
