// The one way a file name from game content becomes a path: the folder plus the
// name, "\" read as "/", a case-insensitive match when the exact name is missing
// (games are authored on Windows). A name whose final path, symlinks resolved,
// is not inside the folder ("..", an absolute name, a link out) is refused.
#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace base {

class GameFolder {
 public:
  GameFolder() = default;
  explicit GameFolder(std::filesystem::path root);

  const std::filesystem::path& root() const { return root_; }

  // The path of an existing file for the name, or nothing when there is none
  // (or the name is refused).
  std::optional<std::filesystem::path> find(std::string_view name) const;
  bool exists(std::string_view name) const { return find(name).has_value(); }

  // The path to write the name to: the existing file when there is one (in its
  // own spelling), else the name as given. Nothing when the name is refused.
  std::optional<std::filesystem::path> pathForWriting(std::string_view name) const;

  // Whether the name stays inside the folder (no absolute path, no "..").
  static bool isSafeName(std::string_view name);

 private:
  std::filesystem::path root_;
};

}  // namespace base
