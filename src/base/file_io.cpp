// Whole-file reads, atomic writes and sets of files replaced together.
#include "base/file_io.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
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
    if (durability == Durability::Flushed) ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    if (ok) return temporary;
    ::unlink(temporary.c_str());
    return {};
  }
  return {};
}

// Renames are made durable by flushing the folder that holds them.
void flushFolder(const fs::path& folder) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Renames what a journal lists (temporaries that are still there) to their files.
void finishJournal(const fs::path& folder) {
  auto journal = folder / kJournalName;
  auto lines = readTextLines(journal);
  if (!lines) return;
  const GameFolder inside(folder);
  for (const auto& line : *lines) {
    auto tab = line.find('\t');
    if (tab == std::string::npos) continue;
    // Both names go through the folder's own rules: nothing outside it is renamed.
    auto temporary = inside.find(line.substr(0, tab));
    auto file = inside.pathForWriting(line.substr(tab + 1));
    if (!temporary || !file || !endsWith(temporary->filename().string(), kTemporaryEnding)) continue;
    struct stat info {};
    if (::lstat(temporary->c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
    if (::rename(temporary->c_str(), file->c_str()) == 0) flushFolder(file->parent_path());
  }
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

bool FileSet::commit(std::string* failedFile, Durability durability) {
  std::vector<fs::path> temporaries;
  auto discard = [&] {
    for (const auto& temporary : temporaries) ::unlink(temporary.c_str());
  };
  for (const auto& [path, bytes] : files_) {
    temporaries.push_back(writeTemporary(path, bytes, durability));
    if (temporaries.back().empty()) {
      temporaries.pop_back();
      discard();
      if (failedFile) *failedFile = path.filename().string();
      return false;
    }
  }
  // One file needs no journal: its rename is the whole commit.
  const bool journaled = files_.size() > 1;
  if (journaled) {
    std::string journal;
    for (size_t i = 0; i < files_.size(); ++i)
      journal += temporaries[i].lexically_relative(folder_).generic_string() + "\t" +
                 files_[i].first.lexically_relative(folder_).generic_string() + "\n";
    if (!writeFileAtomically(folder_ / kJournalName, journal, durability)) {
      discard();
      if (failedFile) *failedFile = kJournalName;
      return false;
    }
  }
  // From here on the set counts as written: a rename that fails now is left to
  // the journal (the next start completes it).
  bool ok = true;
  for (size_t i = 0; i < files_.size(); ++i)
    if (::rename(temporaries[i].c_str(), files_[i].first.c_str()) != 0) {
      ok = false;
      if (failedFile && failedFile->empty()) *failedFile = files_[i].first.filename().string();
    }
  if (durability == Durability::Flushed) {
    std::vector<fs::path> folders;
    for (const auto& file : files_)
      if (std::find(folders.begin(), folders.end(), file.first.parent_path()) == folders.end())
        folders.push_back(file.first.parent_path());
    for (const auto& folder : folders) flushFolder(folder);
  }
  if (journaled && ok) ::unlink((folder_ / kJournalName).c_str());
  return ok;
}

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

}  // namespace base
