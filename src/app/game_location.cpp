// Game folder choice and the per-user copy.
#include "app/game_location.h"

#include <QCoreApplication>
#include <cstdlib>
#include <stdexcept>
#include <unistd.h>

namespace app {
namespace {

bool isWritableFolder(const std::filesystem::path& folder) { return ::access(folder.c_str(), W_OK) == 0; }

// Copies every file of the source the copy does not have yet; files the player
// already changed (the saved game) are kept.
void completeCopy(const std::filesystem::path& source, const std::filesystem::path& copy) {
  std::filesystem::create_directories(copy);
  for (const auto& entry : std::filesystem::recursive_directory_iterator(source)) {
    auto target = copy / std::filesystem::relative(entry.path(), source);
    if (entry.is_directory())
      std::filesystem::create_directories(target);
    else if (!std::filesystem::exists(target))
      std::filesystem::copy_file(entry.path(), target);
  }
}

}  // namespace

std::filesystem::path userDataFolder() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return std::filesystem::path(xdg) / "mirandel";
  if (const char* home = std::getenv("HOME"); home && *home)
    return std::filesystem::path(home) / ".local" / "share" / "mirandel";
  return std::filesystem::temp_directory_path() / "mirandel";
}

std::filesystem::path bundledGamesFolder() {
  auto beside = std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
  for (auto candidate : {beside / "../share/mirandel/games", std::filesystem::path(MIRANDEL_GAMES_DIR)})
    if (std::filesystem::is_directory(candidate)) return std::filesystem::canonical(candidate);
  throw std::runtime_error("the bundled games folder was not found");
}

std::filesystem::path playFolder(const std::string& requested) {
  bool bundled = requested.empty();
  std::filesystem::path folder = bundled ? bundledGamesFolder() / "mirandel" : std::filesystem::path(requested);
  if (!std::filesystem::is_directory(folder))
    throw std::runtime_error("the game folder " + folder.string() + " does not exist");
  folder = std::filesystem::canonical(folder);
  if (!bundled && isWritableFolder(folder)) return folder;
  auto copy = userDataFolder() / "games" / folder.filename();
  try {
    completeCopy(folder, copy);
  } catch (const std::filesystem::filesystem_error& error) {
    throw std::runtime_error("cannot prepare the game copy in " + copy.string() + ": " + error.what());
  }
  return copy;
}

}  // namespace app
