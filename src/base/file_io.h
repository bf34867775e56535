// Reading files whole and writing them safely: a save is written to a fresh
// temporary beside its file and renamed over it, so a crash, a kill or a full
// disk never leaves a truncated file; a set of files (a saved game) is replaced
// all together or not at all; temporaries never follow a symlink planted in the
// folder. Downloads use the same writes.
//
// On-disk shapes (what a later start finds after a crash):
// - a temporary is "<file name>.<six letters>.tmp~" in the folder of its file;
// - while a set is being renamed, "save-set.journal~" in the set's folder lists
//   its files: a line "save-set 2", then one line each: the temporary's name, a
//   tab, the file's name (both relative to that folder with "/" separators), a
//   tab, the size of its bytes, a tab, their 64-bit FNV-1a sum in hexadecimal;
//   and a last line "end". (A journal without the first line, from an older
//   player, has the two names alone.)
#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/text.h"

namespace base {

std::optional<std::string> readFileBytes(const std::filesystem::path& path);
std::optional<Lines> readTextLines(const std::filesystem::path& path);

// Saves are flushed to the disk before they replace the old file; logs need not be.
enum class Durability { Flushed, Unflushed };

// Returns false (and leaves any old file untouched, no temporary behind) when the
// file cannot be written.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         Durability durability = Durability::Flushed);
bool writeTextLines(const std::filesystem::path& path, const Lines& lines,
                    Durability durability = Durability::Flushed);

// Files that are replaced together: every file is written to its temporary
// first, then the journal names them, then all are renamed. A kill before the
// journal exists leaves the old set; a kill after it is finished by
// finishInterruptedSaves at the next start. Every file must lie inside the folder.
// A file that already holds its bytes is left alone, so a set that changed
// nothing writes nothing; a flushed set costs two flushes however many files
// it has.
class FileSet {
 public:
  explicit FileSet(std::filesystem::path folder);
  // A path added twice is written once, with the later bytes.
  void add(const std::filesystem::path& path, std::string bytes);
  void addLines(const std::filesystem::path& path, const Lines& lines) { add(path, joinLines(lines)); }
  bool empty() const { return files_.empty(); }
  // False when any file could not be written; then no file was replaced and no
  // temporary is left. The error names the file that failed.
  bool commit(std::string* failedFile = nullptr, Durability durability = Durability::Flushed);

 private:
  std::filesystem::path folder_;
  std::vector<std::pair<std::filesystem::path, std::string>> files_;
};

// How many times the file layer has flushed to the disk so far in this process
// (files, folders and whole file systems alike): what a save costs.
std::uint64_t diskFlushCount();

// At start-up: completes a set whose journal is in the folder, then removes
// every temporary ("*.tmp~") a write that never finished left in the folder
// (not in its subfolders). Symlinks are removed themselves, never followed.
// FNV-1a over the bytes, and the same as 16 hexadecimal digits: enough to tell
// a file that did not reach the disk whole from one that did, or to give a path
// a short name of its own.
std::uint64_t checkSum(std::string_view bytes);
std::string checkSumHex(std::string_view bytes);

void finishInterruptedSaves(const std::filesystem::path& folder);

}  // namespace base
