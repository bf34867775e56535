// The library in the terminal and the launcher window.
#include "app/game_choice.h"

#include <QApplication>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <memory>
#include <cerrno>
#include <iostream>
#include <string>
#include <unistd.h>

#include "graphics/picture_decoders.h"
#include "platform/stop_signals.h"

namespace app {
namespace {

QString tr(const char* source) { return QCoreApplication::translate("Library", source); }
std::string utf8(const QString& text) { return text.toUtf8().toStdString(); }

QString lastPlayedText(const KnownGame& game) {
  if (game.lastPlayed.empty()) return tr("never played");
  QString when = tr("last played %1").arg(QString::fromStdString(game.lastPlayed));
  if (!game.place.empty()) when = tr("%1, in %2").arg(when, QString::fromStdString(game.place));
  return when;
}

// The opening picture, whatever format it is in; a null image when it cannot be read.
QImage titlePicture(const std::filesystem::path& file) {
  if (file.empty()) return {};
  auto extension = file.extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  graphics::PngError error = graphics::PngError::None;
  if (extension == ".png") return graphics::decodePng(file, QImage(), error);
  if (extension == ".jpg" || extension == ".jpeg") return graphics::decodeJpeg(file).value_or(QImage());
  if (extension == ".gif") return graphics::decodeGif(file).value_or(QImage());
  return graphics::decodeBmp(file).value_or(QImage());
}

std::vector<ui::LauncherGame> launcherGames(const std::vector<KnownGame>& games) {
  std::vector<ui::LauncherGame> shown;
  for (const auto& game : games)
    shown.push_back({QString::fromStdString(game.name), QString::fromStdString(game.folder.string()),
                     lastPlayedText(game), titlePicture(game.titlePicture)});
  return shown;
}

}  // namespace

void printGames(const std::vector<KnownGame>& games, std::ostream& out) {
  for (size_t i = 0; i < games.size(); ++i)
    out << i + 1 << ". " << games[i].name << "  " << games[i].folder.string() << "  " << utf8(lastPlayedText(games[i]))
        << "\n";
}

std::optional<std::string> readInputLine() {
  std::string line;
  for (;;) {
    char byte = 0;
    ssize_t got = ::read(STDIN_FILENO, &byte, 1);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return line.empty() ? std::nullopt : std::optional<std::string>(line);
    if (byte == '\n') return line;
    line += byte;
  }
}

std::optional<KnownGame> askForGame(const std::vector<KnownGame>& games,
                                    const std::function<std::optional<std::string>()>& nextLine, std::ostream& out) {
  printGames(games, out);
  const size_t last = GamesLibrary::lastPlayedIndex(games);
  for (;;) {
    out << utf8(tr("Number of the game to play (1-%1, Enter for %2): ")
                    .arg(games.size())
                    .arg(last + 1)) << std::flush;
    auto line = nextLine();
    if (!line) {
      out << "\n";
      return std::nullopt;
    }
    std::string answer = *line;
    if (answer.find_first_not_of(" \t\r") == std::string::npos) return games[last];
    try {
      size_t used = 0;
      long number = std::stol(answer, &used);
      if (number >= 1 && static_cast<size_t>(number) <= games.size()) return games[static_cast<size_t>(number) - 1];
    } catch (const std::exception&) {
      // Not a number: asked again.
    }
    out << utf8(tr("There is no game %1.").arg(QString::fromStdString(answer))) << "\n";
  }
}

ui::Launcher::Actions launcherActions(GamesLibrary& library, std::vector<KnownGame>& games) {
  ui::Launcher::Actions actions;
  actions.games = [&] {
    games = library.games();
    return launcherGames(games);
  };
  actions.add = [&](const QString& folder) {
    auto reason = library.add(folder.toStdString());
    return reason ? QString::fromStdString(*reason) : QString();
  };
  actions.remove = [&](int index) {
    if (index >= 0 && static_cast<size_t>(index) < games.size()) library.remove(games[static_cast<size_t>(index)].folder);
  };
  return actions;
}

std::optional<KnownGame> chooseInWindow(GamesLibrary& library) {
  auto games = library.games();
  ui::Launcher launcher(launcherActions(library, games), static_cast<int>(GamesLibrary::lastPlayedIndex(games)));
  // A stop signal closes the launcher without playing, as closing it does.
  std::unique_ptr<QSocketNotifier> stop;
  if (platform::stopSignalFd() >= 0) {
    stop = std::make_unique<QSocketNotifier>(platform::stopSignalFd(), QSocketNotifier::Read);
    QObject::connect(stop.get(), &QSocketNotifier::activated, &launcher, [&launcher] {
      if (platform::stopSignalReceived()) launcher.reject();
    });
  }
  if (launcher.exec() != QDialog::Accepted) return std::nullopt;
  int chosen = launcher.chosenIndex();
  if (chosen < 0 || static_cast<size_t>(chosen) >= games.size()) return std::nullopt;
  return games[static_cast<size_t>(chosen)];
}

}  // namespace app
