// Game folder choice and the per-user copy.
#include "app/game_location.h"

#include <QCoreApplication>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

#include "base/file_io.h"

namespace app {
namespace {

namespace fs = std::filesystem;

// What the copy remembers of each file it took from the installed game.
constexpr const char* kCopyRecord = ".mirandel-copy";

bool isWritableFolder(const std::filesystem::path& folder) { return ::access(folder.c_str(), W_OK) == 0; }

// The copy's folder name: the game folder's own name and a short hash of its
// canonical path, so two games whose folders share a name never share a copy.
std::string copyName(const fs::path& installed) {
  return installed.filename().string() + "-" + base::checkSumHex(installed.string()).substr(0, 8);
}

// A file's size, modification time and inode: enough to see that it changed
// (every save is a new file renamed into place, so a new inode).
struct Stamp {
  std::uintmax_t size = 0;
  long long time = 0;
  std::uintmax_t inode = 0;
  bool operator==(const Stamp&) const = default;
};

std::optional<Stamp> stampOf(const fs::path& file) {
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0) return std::nullopt;
  return Stamp{static_cast<std::uintmax_t>(info.st_size),
               static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec,
               static_cast<std::uintmax_t>(info.st_ino)};
}

// Per file: the installed file's stamp when it was copied, and the copy's stamp
// right after. A copy whose stamp moved since was changed by the player's play.
struct Copied {
  Stamp installed, copy;
  bool players = false;  // found different from the installed file: the player's, never replaced
  bool operator==(const Copied&) const = default;
};
using Record = std::map<std::string, Copied>;

Record readRecord(const fs::path& copy) {
  Record record;
  for (const auto& line : base::readTextLines(copy / kCopyRecord).value_or(base::Lines{})) {
    Copied copied;
    char name[4097] = {};
    int players = 0;
    if (std::sscanf(line.c_str(), "%ju %lld %ju %ju %lld %ju %d %4096[^\n]", &copied.installed.size,
                    &copied.installed.time, &copied.installed.inode, &copied.copy.size, &copied.copy.time,
                    &copied.copy.inode, &players, name) == 8) {
      copied.players = players != 0;
      record[name] = copied;
    }
  }
  return record;
}

bool writeRecord(const fs::path& copy, const Record& record) {
  base::Lines lines;
  auto text = [](const Stamp& stamp) {
    return std::to_string(stamp.size) + " " + std::to_string(stamp.time) + " " + std::to_string(stamp.inode) + " ";
  };
  for (const auto& [name, copied] : record)
    lines.push_back(text(copied.installed) + text(copied.copy) + (copied.players ? "1 " : "0 ") + name);
  return base::writeTextLines(copy / kCopyRecord, lines);
}

// Whether the file, symlinks resolved, lies in the (canonical) folder.
bool insideFolder(const fs::path& file, const fs::path& folder) {
  std::error_code error;
  auto inside = fs::canonical(file, error).lexically_relative(folder);
  return !error && !inside.empty() && *inside.begin() != "..";
}

// The largest file the copy takes: a game file past it is refused, never cut short.
constexpr std::uintmax_t kMaxCopiedFileBytes = std::uintmax_t(1) << 30;
constexpr size_t kCopyChunk = size_t(1) << 20;

// A file read piece by piece; every piece read whole or the reading fails.
class FileReader {
 public:
  explicit FileReader(const fs::path& file) : fd_(::open(file.c_str(), O_RDONLY | O_CLOEXEC)) {}
  ~FileReader() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;
  bool opened() const { return fd_ >= 0; }
  int fd() const { return fd_; }
  // The next piece (empty at the end), or nothing when a read fails.
  std::optional<std::string> next() {
    std::string piece(kCopyChunk, '\0');
    size_t filled = 0;
    while (filled < piece.size()) {
      const ssize_t got = ::read(fd_, piece.data() + filled, piece.size() - filled);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) return std::nullopt;
      if (got == 0) break;
      filled += static_cast<size_t>(got);
    }
    piece.resize(filled);
    return piece;
  }

 private:
  int fd_;
};

bool sameContent(const fs::path& a, const fs::path& b) {
  std::error_code error;
  if (fs::file_size(a, error) != fs::file_size(b, error) || error) return false;
  FileReader first(a), second(b);
  if (!first.opened() || !second.opened()) return false;
  for (;;) {
    auto one = first.next(), other = second.next();
    if (!one || !other || *one != *other) return false;
    if (one->empty()) return true;
  }
}

bool writeAll(int fd, const std::string& bytes) {
  for (size_t done = 0; done < bytes.size();) {
    const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote == 0) errno = ENOSPC;
    if (wrote <= 0) return false;
    done += static_cast<size_t>(wrote);
  }
  return true;
}

// Copies the file whole into a temporary beside the target, then renames it
// into place: a failed read or write, or a file that ends early, is an error
// and leaves the target as it was.
void copyFile(const fs::path& from, const fs::path& to) {
  const std::string failure = "cannot copy " + from.string() + " to " + to.string();
  FileReader source(from);
  struct stat info {};
  if (!source.opened() || ::fstat(source.fd(), &info) != 0) throw std::runtime_error(failure);
  const auto size = static_cast<std::uintmax_t>(info.st_size);
  if (size > kMaxCopiedFileBytes)
    throw std::runtime_error(failure + ": it is larger than " + std::to_string(kMaxCopiedFileBytes >> 20) + " MB");
  std::string temporary = to.string() + ".copy-XXXXXX";
  const int out = ::mkstemp(temporary.data());
  if (out < 0) throw std::runtime_error(failure + ": " + std::strerror(errno));
  std::uintmax_t copied = 0;
  std::string why;
  for (;;) {
    auto piece = source.next();
    if (!piece) {
      why = std::string("cannot read: ") + std::strerror(errno);
      break;
    }
    if (piece->empty()) break;
    if (!writeAll(out, *piece)) {
      why = std::strerror(errno);
      break;
    }
    copied += piece->size();
  }
  if (why.empty() && copied != size)
    why = "read " + std::to_string(copied) + " of " + std::to_string(size) + " bytes";
  if (why.empty() && (::fchmod(out, 0644) != 0 || ::fsync(out) != 0)) why = std::strerror(errno);
  if (::close(out) != 0 && why.empty()) why = std::strerror(errno);
  if (why.empty() && ::rename(temporary.c_str(), to.c_str()) != 0) why = std::strerror(errno);
  if (why.empty()) return;
  ::unlink(temporary.c_str());
  throw std::runtime_error(failure + ": " + why);
}

// Brings the copy up to date: files it lacks are copied, files the installed
// game changed are copied again unless the player's play changed them (the saved
// game, the table with the window's place), files only the copy has are kept.
void refreshCopy(const fs::path& installed, const fs::path& copy) {
  fs::create_directories(copy);
  Record record = readRecord(copy);
  const Record before = record;
  for (const auto& entry : fs::recursive_directory_iterator(installed)) {
    auto name = entry.path().lexically_relative(installed).generic_string();
    auto target = copy / entry.path().lexically_relative(installed);
    if (entry.is_directory()) {
      fs::create_directories(target);
      continue;
    }
    // Nothing from outside the game. The walk never enters a linked folder, so
    // only a file that is itself a link can lead outside.
    if (!entry.is_regular_file() || (entry.is_symlink() && !insideFolder(entry.path(), installed))) continue;
    auto stamp = stampOf(entry.path());
    if (!stamp) continue;
    auto known = record.find(name);
    auto copyStamp = stampOf(target);
    bool replace = false;
    if (!copyStamp) {
      replace = true;
    } else if (known == record.end()) {
      // A copy made before the record existed: an equal file is the game's, a
      // different one may be the player's.
      bool equal = sameContent(entry.path(), target);
      record[name] = {*stamp, *copyStamp, !equal};
    } else if (!known->second.players && known->second.installed != *stamp) {
      if (known->second.copy == *copyStamp) replace = true;
      else known->second.players = true;
    }
    if (replace) {
      copyFile(entry.path(), target);
      record[name] = {*stamp, stampOf(target).value_or(Stamp{}), false};
    }
  }
  // An unchanged record is not written again: a start that copies nothing writes nothing.
  if ((record != before || !fs::exists(copy / kCopyRecord)) && !writeRecord(copy, record))
    throw std::runtime_error("cannot write " + (copy / kCopyRecord).string());
}

// The saved state of a game: its tables, registers and objects.
bool isSavedStateFile(const fs::path& file) {
  std::string extension = file.extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".ini" || extension == ".rgs" || extension == ".obx" || extension == ".obz";
}

// Earlier players kept one copy per folder name, without a record. Its saved
// state and the files only the player's play made (a saved map, the log) are
// handed over to the new copy; its scripts and pictures, possibly stale, are not.
// The old copy stays where it is.
void adoptEarlierCopy(const fs::path& installed, const fs::path& earlier, const fs::path& copy) {
  for (const auto& entry : fs::recursive_directory_iterator(earlier)) {
    if (!entry.is_regular_file() || entry.is_symlink()) continue;
    auto relative = entry.path().lexically_relative(earlier);
    if (!isSavedStateFile(relative) && fs::exists(installed / relative)) continue;
    fs::create_directories((copy / relative).parent_path());
    copyFile(entry.path(), copy / relative);
  }
}

}  // namespace

std::filesystem::path userDataFolder() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return std::filesystem::path(xdg) / "mirandel";
  if (const char* home = std::getenv("HOME"); home && *home)
    return std::filesystem::path(home) / ".local" / "share" / "mirandel";
  return std::filesystem::temp_directory_path() / "mirandel";
}

std::string folderKey(const std::filesystem::path& folder) {
  std::error_code error;
  auto canonical = std::filesystem::weakly_canonical(folder, error);
  return copyName(error ? folder : canonical);
}

std::filesystem::path transcriptFile(const std::string& asked, const std::filesystem::path& folder, bool scripted) {
  if (!asked.empty()) return asked;
  if (scripted) return {};
  return userDataFolder() / "transcripts" / (folderKey(folder) + ".txt");
}

std::filesystem::path slotsFolder(const std::filesystem::path& folder) {
  return userDataFolder() / "saves" / folderKey(folder);
}

std::filesystem::path bundledGamesFolder() {
  // Looked for once: later callers (the library's note of a play among them,
  // on a thread of its own) only read what the first found.
  static const std::optional<std::filesystem::path> found = [] () -> std::optional<std::filesystem::path> {
    auto beside = std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
    for (auto candidate : {beside / "../share/mirandel/games", std::filesystem::path(MIRANDEL_GAMES_DIR)})
      if (std::filesystem::is_directory(candidate)) return std::filesystem::canonical(candidate);
    return std::nullopt;
  }();
  if (found) return *found;
  throw std::runtime_error(
      QCoreApplication::translate("Options", "the bundled games folder was not found").toStdString());
}

std::filesystem::path playFolder(const std::string& requested) {
  bool bundled = requested.empty();
  std::filesystem::path folder = bundled ? bundledGamesFolder() / "mirandel" : std::filesystem::path(requested);
  if (!std::filesystem::exists(folder))
    throw std::runtime_error(QCoreApplication::translate("Options", "the game folder %1 does not exist")
                                 .arg(QString::fromStdString(folder.string()))
                                 .toStdString());
  if (!std::filesystem::is_directory(folder))
    throw std::runtime_error(
        QCoreApplication::translate("Options", "%1 is not a folder: --game takes the folder that holds the game")
            .arg(QString::fromStdString(folder.string()))
            .toStdString());
  folder = std::filesystem::canonical(folder);
  if (!bundled && isWritableFolder(folder)) return folder;
  return userCopy(folder, userDataFolder());
}

std::filesystem::path userCopy(const std::filesystem::path& installed, const std::filesystem::path& userData) {
  std::error_code error;
  auto canonical = fs::canonical(installed, error);
  if (error) throw std::runtime_error("the game folder " + installed.string() + " cannot be read: " + error.message());
  auto copy = userData / "games" / copyName(canonical);
  try {
    auto earlier = userData / "games" / canonical.filename();
    if (!fs::exists(copy) && fs::is_directory(earlier) && !fs::exists(earlier / kCopyRecord))
      adoptEarlierCopy(canonical, earlier, copy);
    refreshCopy(canonical, copy);
  } catch (const std::filesystem::filesystem_error& error) {
    throw std::runtime_error("cannot prepare the game copy in " + copy.string() + ": " + error.what());
  } catch (const std::runtime_error& error) {
    throw std::runtime_error("cannot prepare the game copy in " + copy.string() + ": " + error.what());
  }
  return copy;
}

}  // namespace app
