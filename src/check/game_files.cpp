// Name lookups for the checker, through the player's own resolver.
#include "check/game_files.h"

#include <algorithm>

#include "check/value_checks.h"

namespace check {

GameFiles::GameFiles(std::filesystem::path folder) : folder_(std::move(folder)) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder_.root(), error))
    if (entry.is_regular_file()) names_.push_back(entry.path().filename().string());
  std::sort(names_.begin(), names_.end());
}

NameLookup GameFiles::lookup(std::string_view name) const {
  if (!base::GameFolder::isSafeName(name)) return {NameLookup::Refused, ""};
  auto path = folder_.find(name);
  if (!path) return {NameLookup::Missing, ""};
  std::string onDisk = path->lexically_relative(folder_.root()).generic_string();
  std::string asGiven(name);
  std::replace(asGiven.begin(), asGiven.end(), '\\', '/');
  return {onDisk == asGiven ? NameLookup::Exact : NameLookup::CaseOnly, onDisk};
}

std::optional<base::Lines> GameFiles::read(std::string_view name) const {
  auto path = folder_.find(name);
  if (!path) return std::nullopt;
  base::DecodedText how;
  auto lines = base::readContentLines(*path, &how);
  if (lines) encodings_[path->lexically_relative(folder_.root()).generic_string()] = std::move(how);
  return lines;
}

bool hasExtension(const std::string& name, const std::string& extension) {
  if (name.size() < extension.size()) return false;
  return lowerCase(name.substr(name.size() - extension.size())) == extension;
}

}  // namespace check
