// One player per game folder: an advisory lock on ".mirandel.lock" inside the
// folder, held for as long as the player plays it. The kernel drops the lock
// when the process ends in any way (a crash, kill -9), so a lock left behind
// never keeps a game closed; only the file's lock counts, never its presence.
#pragma once
#include <filesystem>

namespace base {

class FolderLock {
 public:
  enum class Outcome {
    Taken,        // this process holds the folder now
    HeldElsewhere,  // another live process plays the folder
    Unlockable,   // the folder takes no lock file (read-only): nothing is written there either
  };

  // Tries once, without waiting.
  explicit FolderLock(const std::filesystem::path& folder);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  Outcome outcome() const { return outcome_; }

 private:
  int fd_ = -1;
  Outcome outcome_ = Outcome::Unlockable;
};

}  // namespace base
