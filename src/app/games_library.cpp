// The games library: the installed games and the per-user list of the others.
#include "app/games_library.h"

#include <QDateTime>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <sstream>

#include "app/game_location.h"
#include "base/cp1252.h"
#include "base/file_io.h"
#include "base/game_folder.h"
#include "check/checker.h"
#include "model/definitions_rows.h"

namespace app {
namespace {

namespace fs = std::filesystem;

// The table row naming the game's opening picture.
constexpr int kOpeningPictureRow = 13;

// Folders compare by their canonical form when they exist.
fs::path normalFolder(const fs::path& folder) {
  std::error_code error;
  auto canonical = fs::canonical(folder, error);
  return error ? fs::absolute(folder).lexically_normal() : canonical;
}

// The player's table of the game in the folder, when it has one.
std::optional<base::Lines> playerTable(const fs::path& folder, const std::string& exeBaseName) {
  auto table = base::GameFolder(folder).find(exeBaseName + ".ini");
  if (!table) return std::nullopt;
  return base::readTextLines(*table);
}

std::string row(const base::Lines& table, int index) {
  return static_cast<size_t>(index) < table.size() ? table[static_cast<size_t>(index)] : std::string();
}

// The game's opening picture (row 13); a game whose table names none that is
// there shows the picture of its starting place (row 10), when it has one.
fs::path titlePicture(const fs::path& folder, const base::Lines& table) {
  base::GameFolder game(folder);
  if (auto opening = row(table, kOpeningPictureRow); !opening.empty())
    if (auto found = game.find(opening)) return *found;
  if (auto place = row(table, model::row::Posic); !place.empty() && base::GameFolder::isSafeName(place))
    for (const char* extension : {".jpg", ".png", ".gif", ".bmp"})
      if (auto found = game.find(place + extension)) return *found;
  return {};
}

QString text(const fs::path& path) { return QString::fromStdString(path.string()); }
fs::path path(const QString& text) { return fs::path(text.toStdString()); }

}  // namespace

std::optional<std::string> whyNoGame(const fs::path& folder, const std::string& exeBaseName) {
  std::ostringstream findings, reason;
  if (check::checkGame(folder, exeBaseName, findings, reason) != 2) return std::nullopt;
  std::string said = reason.str();
  if (said.rfind("mirandel: ", 0) == 0) said.erase(0, 10);
  while (!said.empty() && said.back() == '\n') said.pop_back();
  return said;
}

GamesLibrary::GamesLibrary(fs::path listFile, fs::path installedGames, std::string exeBaseName)
    : listFile_(std::move(listFile)), installedGames_(std::move(installedGames)), exeBaseName_(std::move(exeBaseName)) {}

std::vector<GamesLibrary::Entry> GamesLibrary::read() const {
  QSettings settings(text(listFile_), QSettings::IniFormat);
  std::vector<Entry> entries;
  int count = settings.beginReadArray("games");
  for (int i = 0; i < count; ++i) {
    settings.setArrayIndex(i);
    Entry entry{normalFolder(path(settings.value("folder").toString())), path(settings.value("played").toString()),
                settings.value("lastPlayed").toString().toStdString(), settings.value("removed").toBool()};
    if (!entry.folder.empty() && !settings.value("folder").toString().isEmpty()) entries.push_back(entry);
  }
  settings.endArray();
  return entries;
}

void GamesLibrary::write(const std::vector<Entry>& entries) const {
  std::error_code ignored;
  fs::create_directories(listFile_.parent_path(), ignored);
  QSettings settings(text(listFile_), QSettings::IniFormat);
  settings.remove("games");
  settings.beginWriteArray("games", static_cast<int>(entries.size()));
  for (size_t i = 0; i < entries.size(); ++i) {
    settings.setArrayIndex(static_cast<int>(i));
    settings.setValue("folder", text(entries[i].folder));
    if (!entries[i].playedFolder.empty()) settings.setValue("played", text(entries[i].playedFolder));
    if (!entries[i].lastPlayed.empty()) settings.setValue("lastPlayed", QString::fromStdString(entries[i].lastPlayed));
    if (entries[i].removed) settings.setValue("removed", true);
  }
  settings.endArray();
  settings.sync();
}

std::vector<fs::path> GamesLibrary::installedFolders() const {
  std::vector<fs::path> folders;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(installedGames_, error))
    if (entry.is_directory() && playerTable(entry.path(), exeBaseName_)) folders.push_back(normalFolder(entry.path()));
  std::sort(folders.begin(), folders.end());
  return folders;
}

KnownGame GamesLibrary::describe(const Entry& entry, bool installed) const {
  KnownGame game;
  game.folder = entry.folder;
  game.playedFolder = entry.playedFolder;
  game.lastPlayed = entry.lastPlayed;
  game.installed = installed;
  auto table = playerTable(entry.folder, exeBaseName_).value_or(base::Lines{});
  game.name = base::cp1252ToUtf8(row(table, model::row::GameName));
  if (game.name.empty()) game.name = entry.folder.filename().string();
  game.titlePicture = titlePicture(entry.folder, table);
  // The place is the played copy's: the installed table keeps the start.
  if (!entry.lastPlayed.empty())
    if (auto played = playerTable(entry.playedFolder.empty() ? entry.folder : entry.playedFolder, exeBaseName_))
      game.place = base::cp1252ToUtf8(row(*played, model::row::Posic));
  return game;
}

std::vector<KnownGame> GamesLibrary::games() const {
  auto entries = read();
  auto recorded = [&](const fs::path& folder) {
    return std::find_if(entries.begin(), entries.end(), [&](const Entry& entry) { return entry.folder == folder; });
  };
  std::vector<KnownGame> games;
  auto installed = installedFolders();
  for (const auto& folder : installed) {
    auto known = recorded(folder);
    if (known == entries.end()) games.push_back(describe(Entry{folder, {}, {}, false}, true));
    else if (!known->removed) games.push_back(describe(*known, true));
  }
  // A folder that is not there now (a disk not plugged in) stays on the list
  // but is not offered.
  std::error_code error;
  for (const auto& entry : entries)
    if (!entry.removed && std::find(installed.begin(), installed.end(), entry.folder) == installed.end() &&
        fs::is_directory(entry.folder, error))
      games.push_back(describe(entry, false));
  return games;
}

size_t GamesLibrary::lastPlayedIndex(const std::vector<KnownGame>& games) {
  size_t last = 0;
  for (size_t i = 0; i < games.size(); ++i)
    if (games[i].lastPlayed > games[last].lastPlayed) last = i;
  return last;
}

std::optional<std::string> GamesLibrary::add(const fs::path& folder) {
  if (auto reason = whyNoGame(folder, exeBaseName_)) return reason;
  auto entries = read();
  auto normal = normalFolder(folder);
  auto known = std::find_if(entries.begin(), entries.end(), [&](const Entry& entry) { return entry.folder == normal; });
  if (known == entries.end()) entries.push_back(Entry{normal, {}, {}, false});
  else known->removed = false;
  write(entries);
  return std::nullopt;
}

void GamesLibrary::remove(const fs::path& folder) {
  auto entries = read();
  auto normal = normalFolder(folder);
  auto installed = installedFolders();
  bool isInstalled = std::find(installed.begin(), installed.end(), normal) != installed.end();
  auto known = std::find_if(entries.begin(), entries.end(), [&](const Entry& entry) { return entry.folder == normal; });
  if (isInstalled) {
    // An installed game stays where it is: the list remembers it was taken off.
    if (known == entries.end()) entries.push_back(Entry{normal, {}, {}, true});
    else known->removed = true;
  } else if (known != entries.end()) {
    entries.erase(known);
  }
  write(entries);
}

void GamesLibrary::recordPlayed(const fs::path& folder, const fs::path& playedFolder) {
  auto entries = read();
  auto normal = normalFolder(folder);
  auto known = std::find_if(entries.begin(), entries.end(), [&](const Entry& entry) { return entry.folder == normal; });
  if (known == entries.end()) known = entries.insert(entries.end(), Entry{normal, {}, {}, false});
  known->playedFolder = playedFolder;
  known->lastPlayed = QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm").toStdString();
  known->removed = false;
  write(entries);
}

void recordPlayedGame(GamesLibrary& library, const std::string& requested, const fs::path& played,
                      const std::string& exeBaseName) {
  try {
    fs::path folder = requested.empty() ? bundledGamesFolder() / "mirandel" : fs::path(requested);
    if (playerTable(folder, exeBaseName)) library.recordPlayed(folder, played);
  } catch (const std::exception&) {
    // The library is a convenience: play goes on without it.
  }
}

GamesLibrary userGamesLibrary(const std::string& exeBaseName) {
  fs::path installed;
  try {
    installed = bundledGamesFolder();
  } catch (const std::exception&) {
    // No installed games: the list alone.
  }
  auto config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString();
  return GamesLibrary(fs::path(config) / "games.ini", installed, exeBaseName);
}

}  // namespace app
