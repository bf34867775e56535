// Whole-file reads and atomic writes.
#include "base/file_io.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace base {

std::optional<std::string> readFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return std::move(bytes).str();
}

std::optional<Lines> readTextLines(const std::filesystem::path& path) {
  auto bytes = readFileBytes(path);
  if (!bytes) return std::nullopt;
  return splitLines(*bytes);
}

bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes, Durability durability) {
  std::filesystem::path temporary = path;
  temporary += ".tmp~";
  FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  ok = std::fflush(file) == 0 && ok;
  if (durability == Durability::Flushed) ok = ::fsync(fileno(file)) == 0 && ok;
  ok = std::fclose(file) == 0 && ok;
  std::error_code error;
  if (ok) std::filesystem::rename(temporary, path, error);
  if (!ok || error) {
    std::filesystem::remove(temporary, error);
    return false;
  }
  return true;
}

bool writeTextLines(const std::filesystem::path& path, const Lines& lines, Durability durability) {
  return writeFileAtomically(path, joinLines(lines), durability);
}

}  // namespace base
