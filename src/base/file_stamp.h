// What tells a file's version apart without reading it: its device, inode,
// size and modification time to the nanosecond. An atomic rewrite (a new
// inode) or any change of the bytes through the file gives a new stamp.
#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>

namespace base {

struct FileStamp {
  std::uint64_t device = 0, inode = 0, size = 0;
  std::int64_t modifiedSeconds = 0, modifiedNanoseconds = 0;
  bool operator==(const FileStamp&) const = default;
};

// Nothing when the file cannot be looked at.
std::optional<FileStamp> stampOf(const std::filesystem::path& file);

}  // namespace base
