// --scratch: the play happens on a temporary copy of the game folder, removed
// when the player ends, so a test run never changes the game that ships (its
// table's position rows, the saved registers, debug.txt, the saved map).
#pragma once
#include <filesystem>

namespace app {

class ScratchFolder {
 public:
  // Copies the folder (its subfolders too; links are copied as links) into a new
  // folder of its own under the system's temporary folder. Throws
  // std::runtime_error with a clear message when it cannot.
  explicit ScratchFolder(const std::filesystem::path& game);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& folder() const { return copy_; }

 private:
  std::filesystem::path parent_;  // the temporary folder made for the copy
  std::filesystem::path copy_;    // the game inside it, under its own folder name
};

}  // namespace app
