// Whole-file reads, atomic writes and sets of files replaced together.
#include "base/file_io.h"

#include <cinttypes>
#include <cstdio>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "base/game_folder.h"

namespace base {
namespace {

namespace fs = std::filesystem;

constexpr const char* kJournalName = "save-set.journal~";
constexpr std::string_view kTemporaryEnding = ".tmp~";
// A journal that can vouch for its temporaries: a first line, one line per file
// with the size and check sum of its bytes, and a last line.
constexpr std::string_view kJournalHeader = "save-set 2";
constexpr std::string_view kJournalEnd = "end";

std::atomic<std::uint64_t> flushes{0};

// Every flush to the disk goes through these two, so the flushes are counted.
bool flushFile(int fd) {
  flushes.fetch_add(1, std::memory_order_relaxed);
  return ::fsync(fd) == 0;
}

// The whole file system holding fd in one flush: the data of every file written
// so far reaches the disk before it returns.
bool flushFileSystem(int fd) {
  flushes.fetch_add(1, std::memory_order_relaxed);
#ifdef __linux__
  return ::syncfs(fd) == 0;
#else
  ::sync();
  return true;
#endif
}

bool endsWith(std::string_view text, std::string_view ending) {
  return text.size() >= ending.size() && text.substr(text.size() - ending.size()) == ending;
}

// Six letters and digits, different for every temporary of the process.
std::string randomLetters() {
  static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  static std::atomic<unsigned long long> counter{std::random_device{}()};
  std::mt19937_64 mix(counter.fetch_add(0x9E3779B97F4A7C15ULL) ^ static_cast<unsigned long long>(::getpid()));
  std::string letters(6, 'x');
  for (char& c : letters) c = kLetters[mix() % (sizeof kLetters - 1)];
  return letters;
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

// The bytes in a new temporary beside the path: a fresh name created here and
// now (never an existing file, never through a symlink). Empty on failure.
fs::path writeTemporary(const fs::path& path, std::string_view bytes, Durability durability) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path temporary = path;
    temporary += "." + randomLetters() + std::string(kTemporaryEnding);
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) return {};
    bool ok = writeAll(fd, bytes);
    if (durability == Durability::Flushed) ok = flushFile(fd) && ok;
    ok = ::close(fd) == 0 && ok;
    if (ok) return temporary;
    ::unlink(temporary.c_str());
    return {};
  }
  return {};
}

// Renames are made durable by flushing the folder that holds them.
void flushFolder(const fs::path& folder, bool wholeFileSystem = false) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  wholeFileSystem ? flushFileSystem(fd) : flushFile(fd);
  ::close(fd);
}

std::vector<std::string_view> splitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  for (size_t tab; (tab = line.find('\t')) != std::string_view::npos; line.remove_prefix(tab + 1))
    fields.push_back(line.substr(0, tab));
  fields.push_back(line);
  return fields;
}

// One file of a journal: the temporary that holds its new bytes, where they go
// and, in a journal that vouches for them, their size and check sum.
struct JournalEntry {
  fs::path temporary, file;
  std::optional<std::pair<std::uint64_t, std::uint64_t>> sizeAndSum;
};

// The entries of a journal; nothing when it is unfinished (cut short by a
// crash before it reached the disk whole). Both names go through the folder's
// own rules: nothing outside it is ever named.
std::optional<std::vector<JournalEntry>> readJournal(const fs::path& folder, const Lines& lines) {
  const GameFolder inside(folder);
  const bool vouched = !lines.empty() && lines.front() == kJournalHeader;
  if (vouched && lines.back() != kJournalEnd) return std::nullopt;
  std::vector<JournalEntry> entries;
  for (size_t i = vouched ? 1 : 0; i < lines.size() - (vouched ? 1 : 0); ++i) {
    auto fields = splitTabs(lines[i]);
    if (fields.size() != (vouched ? 4u : 2u)) {
      if (vouched) return std::nullopt;
      continue;
    }
    auto temporary = inside.find(std::string(fields[0]));
    auto file = inside.pathForWriting(std::string(fields[1]));
    if (!temporary || !file || !endsWith(temporary->filename().string(), kTemporaryEnding)) continue;
    JournalEntry entry{*temporary, *file, std::nullopt};
    if (vouched) {
      std::uint64_t size = 0, sum = 0;
      try {
        size = std::stoull(std::string(fields[2]));
        sum = std::stoull(std::string(fields[3]), nullptr, 16);
      } catch (const std::exception&) {
        return std::nullopt;
      }
      entry.sizeAndSum = std::make_pair(size, sum);
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

bool isRegularFile(const fs::path& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// A temporary still there holds the bytes its journal line vouches for.
bool holdsItsBytes(const JournalEntry& entry) {
  if (!entry.sizeAndSum) return true;
  auto bytes = readFileBytes(entry.temporary);
  return bytes && bytes->size() == entry.sizeAndSum->first && checkSum(*bytes) == entry.sizeAndSum->second;
}

// Renames what a journal lists (temporaries that are still there) to their
// files. When one of them did not reach the disk whole (a power cut before the
// set was flushed, so no file was renamed yet) the set is dropped instead and
// the old files stay.
void finishJournal(const fs::path& folder) {
  auto journal = folder / kJournalName;
  auto lines = readTextLines(journal);
  if (!lines) return;
  auto entries = readJournal(folder, *lines);
  std::vector<JournalEntry> present;
  for (auto& entry : entries ? *entries : std::vector<JournalEntry>{})
    if (isRegularFile(entry.temporary)) present.push_back(std::move(entry));
  const bool whole = entries && std::all_of(present.begin(), present.end(), holdsItsBytes);
  std::vector<fs::path> folders;
  for (const auto& entry : present) {
    if (!whole) {
      ::unlink(entry.temporary.c_str());
      continue;
    }
    if (::rename(entry.temporary.c_str(), entry.file.c_str()) == 0 &&
        std::find(folders.begin(), folders.end(), entry.file.parent_path()) == folders.end())
      folders.push_back(entry.file.parent_path());
  }
  for (const auto& renamed : folders) flushFolder(renamed);
  ::unlink(journal.c_str());
  flushFolder(folder);
}

}  // namespace

std::optional<std::string> readFileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return std::move(bytes).str();
}

std::optional<Lines> readTextLines(const fs::path& path) {
  auto bytes = readFileBytes(path);
  if (!bytes) return std::nullopt;
  return splitLines(*bytes);
}

bool writeFileAtomically(const fs::path& path, std::string_view bytes, Durability durability) {
  fs::path temporary = writeTemporary(path, bytes, durability);
  if (temporary.empty()) return false;
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  if (durability == Durability::Flushed) flushFolder(path.parent_path());
  return true;
}

bool writeTextLines(const fs::path& path, const Lines& lines, Durability durability) {
  return writeFileAtomically(path, joinLines(lines), durability);
}

FileSet::FileSet(fs::path folder) : folder_(std::move(folder)) {}

void FileSet::add(const fs::path& path, std::string bytes) {
  for (auto& [added, addedBytes] : files_)
    if (added == path) {
      addedBytes = std::move(bytes);
      return;
    }
  files_.emplace_back(path, std::move(bytes));
}

namespace {

// A file that already holds the bytes needs no write.
bool alreadyHolds(const fs::path& path, const std::string& bytes) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || static_cast<size_t>(info.st_size) != bytes.size())
    return false;
  auto held = readFileBytes(path);
  return held && *held == bytes;
}

}  // namespace

// The order that keeps a set whole through a kill or a power cut, with two
// flushes whatever the number of files:
//   1. every file's bytes into its temporary, and the journal naming them with
//      their sizes and check sums (a temporary that was cut short does not match);
//   2. one flush of the file system: temporaries and journal are on the disk;
//   3. the renames, then one flush of the folder: the new files are on the disk;
//   4. the journal is removed (should that removal be lost, the journal names
//      temporaries that are no longer there and the next start drops it).
// A set of one file needs no journal: its temporary is flushed, then renamed.
bool FileSet::commit(std::string* failedFile, Durability durability) {
  std::vector<std::pair<fs::path, std::string>> changed;
  for (auto& [path, bytes] : files_)
    if (!alreadyHolds(path, bytes)) changed.emplace_back(path, bytes);
  if (changed.empty()) return true;
  const bool journaled = changed.size() > 1;
  const bool flushed = durability == Durability::Flushed;
  std::vector<fs::path> temporaries;
  auto discard = [&] {
    for (const auto& temporary : temporaries) ::unlink(temporary.c_str());
  };
  for (const auto& [path, bytes] : changed) {
    const auto temporaryDurability = flushed && !journaled ? Durability::Flushed : Durability::Unflushed;
    temporaries.push_back(writeTemporary(path, bytes, temporaryDurability));
    if (temporaries.back().empty()) {
      temporaries.pop_back();
      discard();
      if (failedFile) *failedFile = path.filename().string();
      return false;
    }
  }
  if (journaled) {
    std::string journal = std::string(kJournalHeader) + "\n";
    for (size_t i = 0; i < changed.size(); ++i) {
      char sum[17];
      std::snprintf(sum, sizeof sum, "%016llx", static_cast<unsigned long long>(checkSum(changed[i].second)));
      journal += temporaries[i].lexically_relative(folder_).generic_string() + "\t" +
                 changed[i].first.lexically_relative(folder_).generic_string() + "\t" +
                 std::to_string(changed[i].second.size()) + "\t" + sum + "\n";
    }
    journal += std::string(kJournalEnd) + "\n";
    if (!writeFileAtomically(folder_ / kJournalName, journal, Durability::Unflushed)) {
      discard();
      if (failedFile) *failedFile = kJournalName;
      return false;
    }
    if (flushed) flushFolder(folder_, true);
  }
  // From here on the set counts as written: a rename that fails now is left to
  // the journal (the next start completes it).
  bool ok = true;
  std::vector<fs::path> folders;
  for (size_t i = 0; i < changed.size(); ++i) {
    if (::rename(temporaries[i].c_str(), changed[i].first.c_str()) != 0) {
      ok = false;
      if (failedFile && failedFile->empty()) *failedFile = changed[i].first.filename().string();
    }
    if (std::find(folders.begin(), folders.end(), changed[i].first.parent_path()) == folders.end())
      folders.push_back(changed[i].first.parent_path());
  }
  if (flushed) {
    // The journal's folder holds the renames too unless a file lies in a subfolder.
    const bool oneFolder = folders.size() == 1 && (!journaled || folders.front() == folder_);
    flushFolder(folders.front(), !oneFolder);
  }
  if (journaled && ok) ::unlink((folder_ / kJournalName).c_str());
  return ok;
}

std::uint64_t diskFlushCount() { return flushes.load(std::memory_order_relaxed); }

void finishInterruptedSaves(const fs::path& folder) {
  finishJournal(folder);
  std::error_code error;
  std::vector<fs::path> stale;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    if (endsWith(it->path().filename().string(), kTemporaryEnding) &&
        it->symlink_status(error).type() != fs::file_type::directory)
      stale.push_back(it->path());
  for (const auto& path : stale) ::unlink(path.c_str());
}

std::uint64_t checkSum(std::string_view bytes) {
  std::uint64_t hash = 0xCBF29CE484222325ULL;  // FNV-1a
  for (unsigned char c : bytes) hash = (hash ^ c) * 0x100000001B3ULL;
  return hash;
}

std::string checkSumHex(std::string_view bytes) {
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016" PRIx64, checkSum(bytes));
  return hex;
}

}  // namespace base
