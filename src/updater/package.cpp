// Update package unpacking with libzip.
#include "updater/package.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <vector>

#include "base/game_folder.h"

namespace updater {
namespace {

namespace fs = std::filesystem;

constexpr uint64_t kMaxEntryBytes = 512ull << 20;
// All the entries together: at most this many times the package's own size
// (pictures and scripts pack a few times smaller, a bomb thousands), with room
// for small packages, and never more than this in all.
constexpr uint64_t kMaxPackingRatio = 200;
constexpr uint64_t kSmallPackageAllowance = 64ull << 20;
constexpr uint64_t kMaxTotalBytes = 4ull << 30;
// Free space the disk keeps once the update is in: the player still saves.
constexpr uint64_t kSpareDiskBytes = 16ull << 20;

struct Archive {
  zip_t* handle = nullptr;
  ~Archive() {
    if (handle) zip_discard(handle);
  }
};

struct Entry {
  zip_uint64_t index = 0;
  std::string name;  // normalised: no empty or "." parts
  uint64_t size = 0;
};

std::string megabytes(uint64_t bytes) { return std::to_string((bytes + (1 << 20) - 1) >> 20) + " MB"; }

std::string writeFailure(int error) {
  return error == ENOSPC || error == EDQUOT ? std::string("disk full") : std::strerror(error);
}

bool isLink(zip_t* archive, zip_uint64_t index) {
  zip_uint8_t system = 0;
  zip_uint32_t attributes = 0;
  if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) != 0) return false;
  return system == ZIP_OPSYS_UNIX && ((attributes >> 16) & S_IFMT) == S_IFLNK;
}

// Whether the path, once its existing parts are resolved, stays inside the folder.
bool staysInside(const fs::path& path, const fs::path& folder) {
  std::error_code error;
  fs::path resolved = fs::weakly_canonical(path, error);
  fs::path root = fs::weakly_canonical(folder, error);
  if (error) return false;
  auto [rootEnd, pathAt] = std::mismatch(root.begin(), root.end(), resolved.begin(), resolved.end());
  return rootEnd == root.end();
}

// The one spelling of an entry's name: "./x", "a//b" and "a/b/" name x, a/b and a/b.
std::string normalised(const std::string& name) {
  std::string out;
  size_t at = 0;
  while (at <= name.size()) {
    size_t end = name.find('/', at);
    if (end == std::string::npos) end = name.size();
    const std::string part = name.substr(at, end - at);
    if (!part.empty() && part != ".") out += (out.empty() ? "" : "/") + part;
    at = end + 1;
  }
  return out;
}

// Opens the package itself: a regular file, never through a link, checked on
// the file that was opened.
bool openPackage(const fs::path& package, const fs::path& gameFolder, Archive& archive, uint64_t& size,
                 std::string& error) {
  if (!staysInside(package.parent_path(), gameFolder)) {
    error = "package refused (outside the game folder): " + package.string();
    return false;
  }
  const int fd = ::open(package.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    error = errno == ELOOP ? "package refused (a link): " + package.string()
                           : "cannot open the package " + package.string() + ": " + std::strerror(errno);
    return false;
  }
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    error = "package refused (not a regular file): " + package.string();
    return false;
  }
  size = static_cast<uint64_t>(status.st_size);
  int code = 0;
  archive.handle = zip_fdopen(fd, ZIP_RDONLY | ZIP_CHECKCONS, &code);
  if (!archive.handle) {
    ::close(fd);
    zip_error_t why;
    zip_error_init_with_code(&why, code);
    error = "cannot open the package " + package.string() + ": " + zip_error_strerror(&why);
    zip_error_fini(&why);
    return false;
  }
  return true;
}

// Every file entry, checked before anything is written: safe names, no links,
// no file named twice, no file where another needs a folder, sizes bounded
// one by one and together.
bool listEntries(zip_t* archive, uint64_t packageSize, std::vector<Entry>& entries, std::string& error) {
  std::set<std::string> files;
  uint64_t total = 0;
  const uint64_t allowed = std::min(kMaxTotalBytes, std::max(kSmallPackageAllowance, packageSize * kMaxPackingRatio));
  zip_int64_t count = zip_get_num_entries(archive, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    auto index = static_cast<zip_uint64_t>(i);
    zip_stat_t status;
    zip_stat_init(&status);
    if (zip_stat_index(archive, index, 0, &status) != 0 || !(status.valid & ZIP_STAT_NAME)) {
      error = "an entry without a name";
      return false;
    }
    std::string name = status.name;
    bool directory = !name.empty() && name.back() == '/';
    if (directory) name.pop_back();
    if (!base::GameFolder::isSafeName(name) || name.find('\\') != std::string::npos) {
      error = "entry refused (outside the game folder): " + name;
      return false;
    }
    if (isLink(archive, index)) {
      error = "entry refused (a link): " + name;
      return false;
    }
    if (directory) continue;
    const std::string file = normalised(name);
    if (file.empty() || !files.insert(file).second) {
      error = "entry refused (names a file twice): " + name;
      return false;
    }
    if (status.size > kMaxEntryBytes) {
      error = "entry too large: " + name;
      return false;
    }
    total += status.size;
    if (total > allowed) {
      error = "package refused: its files would take more than " + megabytes(allowed);
      return false;
    }
    entries.push_back({index, file, status.size});
  }
  // A file where another entry needs a folder ("a" and "a/b").
  for (const auto& entry : entries)
    for (size_t slash = entry.name.find('/'); slash != std::string::npos; slash = entry.name.find('/', slash + 1))
      if (files.count(entry.name.substr(0, slash))) {
        error = "entry refused (a file and a folder of one name): " + entry.name.substr(0, slash);
        return false;
      }
  return true;
}

bool roomOnDisk(const std::vector<Entry>& entries, const fs::path& gameFolder, std::string& error) {
  uint64_t needed = kSpareDiskBytes;
  for (const auto& entry : entries) needed += entry.size;
  std::error_code failure;
  const fs::space_info space = fs::space(gameFolder, failure);
  if (failure || space.available >= needed) return true;
  error = "disk full: the update needs " + megabytes(needed) + " and the disk has " + megabytes(space.available) +
          " free";
  return false;
}

bool extractEntry(zip_t* archive, const Entry& entry, const fs::path& target, std::string& error) {
  zip_file_t* file = zip_fopen_index(archive, entry.index, 0);
  if (!file) {
    error = std::string("cannot open the entry: ") + zip_strerror(archive);
    return false;
  }
  std::error_code made;
  fs::create_directories(target.parent_path(), made);
  const int out = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (out < 0) {
    error = "cannot write: " + writeFailure(errno);
    zip_fclose(file);
    return false;
  }
  std::vector<char> buffer(1 << 16);
  uint64_t total = 0;
  zip_int64_t read = 0;
  int writeError = 0;
  while (!writeError && total <= entry.size && (read = zip_fread(file, buffer.data(), buffer.size())) > 0) {
    for (zip_int64_t done = 0; done < read;) {
      const ssize_t wrote = ::write(out, buffer.data() + done, static_cast<size_t>(read - done));
      if (wrote < 0 && errno == EINTR) continue;
      if (wrote <= 0) {
        writeError = wrote < 0 ? errno : ENOSPC;
        break;
      }
      done += wrote;
    }
    total += static_cast<uint64_t>(read);
  }
  if (!writeError && ::fsync(out) != 0) writeError = errno;
  if (::close(out) != 0 && !writeError) writeError = errno;
  bool ok = !writeError && read == 0 && total == entry.size;
  if (writeError)
    error = "cannot write: " + writeFailure(writeError);
  else if (!ok)
    error = std::string("unreadable entry (wrong password or damaged package): ") + zip_file_strerror(file);
  zip_fclose(file);
  return ok;
}

bool extractAll(zip_t* archive, const std::vector<Entry>& entries, const fs::path& staging, std::string& error) {
  for (const auto& entry : entries)
    if (!extractEntry(archive, entry, staging / entry.name, error)) {
      error = entry.name + ": " + error;
      return false;
    }
  return true;
}

struct Move {
  fs::path target, backup;
  bool hadOld = false;
};

// Puts back what the moves replaced, newest first; false when one stays out.
bool undo(const std::vector<Move>& done) {
  bool all = true;
  for (auto it = done.rbegin(); it != done.rend(); ++it) {
    std::error_code failure;
    if (it->hadOld)
      fs::rename(it->backup, it->target, failure);
    else
      fs::remove(it->target, failure);
    all = all && !failure;
  }
  return all;
}

enum class Installed { All, Nothing, Damaged };

// Moves the staged files into the folder; on failure undoes every move.
Installed install(const std::vector<Entry>& entries, const fs::path& staging, const fs::path& folder,
                  std::string& error) {
  for (const auto& entry : entries)
    if (!staysInside(folder / entry.name, folder)) {
      error = "entry refused (would leave the game folder): " + entry.name;
      return Installed::Nothing;
    }
  const fs::path backups = staging / ".previous";
  std::vector<Move> done;
  for (const auto& entry : entries) {
    std::error_code failure;
    Move move{folder / entry.name, backups / entry.name, false};
    fs::create_directories(move.target.parent_path(), failure);
    if (!failure && fs::exists(fs::symlink_status(move.target))) {
      fs::create_directories(move.backup.parent_path(), failure);
      if (!failure) fs::rename(move.target, move.backup, failure);
      move.hadOld = !failure;
    }
    if (!failure) fs::rename(staging / entry.name, move.target, failure);
    if (failure) {
      error = "cannot install " + entry.name + ": " + failure.message();
      if (move.hadOld) done.push_back(move);
      if (undo(done)) return Installed::Nothing;
      error += "; some old files could not be put back, they are kept in " + backups.string();
      return Installed::Damaged;
    }
    done.push_back(move);
  }
  return Installed::All;
}

}  // namespace

bool unpackPackage(const fs::path& package, const std::string& password, const fs::path& gameFolder,
                   std::string& error) {
  Archive archive;
  uint64_t packageSize = 0;
  std::vector<Entry> entries;
  if (!openPackage(package, gameFolder, archive, packageSize, error) ||
      !listEntries(archive.handle, packageSize, entries, error) || !roomOnDisk(entries, gameFolder, error)) {
    error += " (the game folder is as it was)";
    return false;
  }
  zip_set_default_password(archive.handle, password.c_str());
  // The staging folder lives inside the game folder, so the final moves are renames.
  std::string pattern = (gameFolder / ".mirandel-update-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) {
    error = "cannot create a staging folder in " + gameFolder.string() + " (the game folder is as it was)";
    return false;
  }
  const fs::path staging = pattern;
  Installed installed = Installed::Nothing;
  if (extractAll(archive.handle, entries, staging, error)) installed = install(entries, staging, gameFolder, error);
  std::error_code ignored;
  if (installed == Installed::Damaged) return false;  // the staging folder keeps the old files
  fs::remove_all(staging, ignored);
  if (installed == Installed::Nothing) error += " (the game folder is as it was)";
  return installed == Installed::All;
}

}  // namespace updater
