// The game folder as the checker sees it: how each name a game gives finds its
// file (exactly, only by ignoring case, or not at all) and which files are there.
#pragma once
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/game_folder.h"
#include "base/text.h"
#include "base/text_encoding.h"

namespace check {

struct NameLookup {
  enum Kind { Exact, CaseOnly, Missing, Refused } kind = Missing;
  std::string onDisk;  // the file's own name when it was found
};

class GameFiles {
 public:
  explicit GameFiles(std::filesystem::path folder);

  NameLookup lookup(std::string_view name) const;
  // The lines of the named file (in either encoding, as the player reads it),
  // or nothing when it cannot be read.
  std::optional<base::Lines> read(std::string_view name) const;
  // How each file read so far was encoded, by its name on disk.
  const std::map<std::string, base::DecodedText>& encodings() const { return encodings_; }
  // Every file directly in the folder, by name, sorted.
  const std::vector<std::string>& names() const { return names_; }

 private:
  base::GameFolder folder_;
  std::vector<std::string> names_;
  mutable std::map<std::string, base::DecodedText> encodings_;
};

// Whether a file name ends in the extension, ignoring case (".scx", ".png" ...).
bool hasExtension(const std::string& name, const std::string& extension);

}  // namespace check
