// The games the player knows: the games installed beside it (share/mirandel/games,
// the bundled demo among them) and the folders the player added or played, with
// when each was last played and the folder it is played in. The list lives in
// the per-user config (games.ini); removing a game from it never touches its files.
#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace app {

struct KnownGame {
  std::filesystem::path folder;        // the game folder (installed or added)
  std::filesystem::path playedFolder;  // where it was last played (its per-user copy, or itself)
  std::string name;                    // the game's name: row 4 of its table, else the folder's name (UTF-8)
  std::string lastPlayed;              // "2026-12-09 04:15" (local time); empty: never played
  std::string place;                   // the location it was left in (row 10), when it was played (UTF-8)
  std::filesystem::path titlePicture;  // its opening picture (row 13), else its starting place's; may be empty
  bool installed = false;              // one of the installed games (played from a per-user copy)
};

// Why the folder holds no game, in the words of mirandel --check; nothing when it
// holds one (findings in its scripts do not make it no game).
std::optional<std::string> whyNoGame(const std::filesystem::path& folder, const std::string& exeBaseName);

class GamesLibrary {
 public:
  // listFile: the per-user list; installedGames: the installed games folder
  // (every sub-folder with the player's table is a game; may be missing).
  GamesLibrary(std::filesystem::path listFile, std::filesystem::path installedGames, std::string exeBaseName);

  // The installed games, then the added ones, in the order they were added;
  // games removed from the list, and folders not there now, are left out.
  std::vector<KnownGame> games() const;
  // The index in games() of the game played last (0 when none was played).
  static size_t lastPlayedIndex(const std::vector<KnownGame>& games);

  // Adds the folder, or says why it is no game (and adds nothing).
  std::optional<std::string> add(const std::filesystem::path& folder);
  // Takes the game off the list; its files stay where they are.
  void remove(const std::filesystem::path& folder);
  // The game was started now, played in playedFolder; a folder not on the list
  // joins it (a game given on the command line).
  void recordPlayed(const std::filesystem::path& folder, const std::filesystem::path& playedFolder);

  const std::filesystem::path& listFile() const { return listFile_; }

 private:
  struct Entry {
    std::filesystem::path folder, playedFolder;
    std::string lastPlayed;
    bool removed = false;  // an installed game taken off the list
  };
  std::vector<Entry> read() const;
  void write(const std::vector<Entry>& entries) const;
  std::vector<std::filesystem::path> installedFolders() const;
  KnownGame describe(const Entry& entry, bool installed) const;

  std::filesystem::path listFile_;
  std::filesystem::path installedGames_;
  std::string exeBaseName_;
};

// A start of play: requested is the folder as the command line named it (empty:
// the bundled demo game), played the folder it is played in. A folder holding
// no table of the player is not recorded (its start-up will say why).
void recordPlayedGame(GamesLibrary& library, const std::string& requested, const std::filesystem::path& played,
                      const std::string& exeBaseName);

// The library of this user: the list in the per-user config folder
// (~/.config/mirandel/games.ini) and the installed games beside the program.
GamesLibrary userGamesLibrary(const std::string& exeBaseName);

}  // namespace app
