// Where the player's files are and what they are called: the folder holding the
// player's own table and debug.txt (exeFolder), the folder game files are read
// from (dataFolder, the same folder), the base names and the file:// address.
#pragma once
#include <filesystem>
#include <memory>
#include <string>

#include "base/folder_lock.h"
#include "base/game_folder.h"

namespace model {

struct Folders {
  std::filesystem::path exeFolder;  // absolute
  std::string exeBaseName = "mirandel";
  base::GameFolder dataFolder;
  std::string exeFolderUrl;
  std::string gameName;
  std::string serverBaseUrl;  // empty: no server, nothing is fetched
  // This player's hold on exeFolder from the start-up on; none when the start-up
  // found the game open in another player (then nothing is written at exit).
  std::shared_ptr<base::FolderLock> lock;

  // exeFolder + name, resolved like every game file.
  std::filesystem::path exeFile(const std::string& name) const;
};

// The file:/// address of a folder: "/" separators, a trailing "/", and characters
// that need it percent-encoded (a blank becomes %20).
std::string folderUrl(const std::filesystem::path& folder);

}  // namespace model
