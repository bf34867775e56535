// The folder lock: flock on a lock file, so two opens of the same file (two
// processes, or two starts in one process) exclude each other.
#include "base/folder_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace base {

FolderLock::FolderLock(const std::filesystem::path& folder) {
  const auto file = folder / ".mirandel.lock";
  fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd_ < 0) fd_ = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (fd_ < 0) return;
  int result;
  do result = ::flock(fd_, LOCK_EX | LOCK_NB);
  while (result != 0 && errno == EINTR);
  if (result == 0) {
    outcome_ = Outcome::Taken;
    return;
  }
  outcome_ = errno == EWOULDBLOCK ? Outcome::HeldElsewhere : Outcome::Unlockable;
  ::close(fd_);
  fd_ = -1;
}

FolderLock::~FolderLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace base
