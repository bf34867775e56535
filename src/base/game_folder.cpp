// Game-folder name resolution.
#include "base/game_folder.h"

#include <algorithm>

namespace base {
namespace {

std::string normalise(std::string_view name) {
  std::string out(name);
  std::replace(out.begin(), out.end(), '\\', '/');
  return out;
}

// ASCII and Windows-1252 Latin letters folded to lower case, byte by byte.
char foldCase(char c) {
  auto b = static_cast<unsigned char>(c);
  if (b >= 'A' && b <= 'Z') return static_cast<char>(b + 32);
  if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return static_cast<char>(b + 32);
  return c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (foldCase(a[i]) != foldCase(b[i])) return false;
  return true;
}

// Walks the relative path one component at a time, matching each without case
// when the exact spelling is missing.
std::optional<std::filesystem::path> matchWithoutCase(const std::filesystem::path& root,
                                                      const std::filesystem::path& relative) {
  std::filesystem::path current = root;
  std::error_code error;
  for (const auto& part : relative) {
    auto exact = current / part;
    if (std::filesystem::exists(exact, error)) {
      current = exact;
      continue;
    }
    bool found = false;
    for (const auto& entry : std::filesystem::directory_iterator(current, error)) {
      if (equalsIgnoringCase(entry.path().filename().string(), part.string())) {
        current = entry.path();
        found = true;
        break;
      }
    }
    if (!found) return std::nullopt;
  }
  return current;
}

}  // namespace

GameFolder::GameFolder(std::filesystem::path root) : root_(std::move(root)) {}

bool GameFolder::isSafeName(std::string_view name) {
  std::string normal = normalise(name);
  if (normal.empty() || normal.front() == '/') return false;
  if (normal.size() >= 2 && normal[1] == ':') return false;  // a Windows drive
  for (const auto& part : std::filesystem::path(normal))
    if (part == "..") return false;
  return true;
}

namespace {

// Whether the path, every symlink resolved, lies inside the folder: the one check
// every read and write of a game file passes.
bool holds(const std::filesystem::path& folder, const std::filesystem::path& path) {
  std::error_code error;
  auto root = std::filesystem::weakly_canonical(folder, error);
  if (error) return false;
  auto resolved = std::filesystem::weakly_canonical(path, error);
  if (error) return false;
  auto inside = resolved.lexically_relative(root);
  return !inside.empty() && *inside.begin() != ".." && !inside.is_absolute();
}

}  // namespace

std::optional<std::filesystem::path> GameFolder::find(std::string_view name) const {
  if (!isSafeName(name)) return std::nullopt;
  std::filesystem::path relative(normalise(name));
  std::error_code error;
  auto exact = root_ / relative;
  std::optional<std::filesystem::path> found;
  if (std::filesystem::is_regular_file(exact, error))
    found = exact;
  else if (auto matched = matchWithoutCase(root_, relative); matched && std::filesystem::is_regular_file(*matched, error))
    found = matched;
  if (found && !holds(root_, *found)) return std::nullopt;
  return found;
}

std::optional<std::filesystem::path> GameFolder::pathForWriting(std::string_view name) const {
  if (!isSafeName(name)) return std::nullopt;
  auto path = find(name).value_or(root_ / std::filesystem::path(normalise(name)));
  // A file of the name that leads outside (a symlink) is refused like a folder that does.
  if (!holds(root_, path)) return std::nullopt;
  return path;
}

}  // namespace base
