// Reading files whole and writing them atomically (temporary file + rename), so a
// crash or a full disk never leaves a truncated save behind.
#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "base/text.h"

namespace base {

std::optional<std::string> readFileBytes(const std::filesystem::path& path);
std::optional<Lines> readTextLines(const std::filesystem::path& path);

// Saves are flushed to the disk before they replace the old file; logs need not be.
enum class Durability { Flushed, Unflushed };

// Returns false (and leaves any old file untouched) when the file cannot be written.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         Durability durability = Durability::Flushed);
bool writeTextLines(const std::filesystem::path& path, const Lines& lines,
                    Durability durability = Durability::Flushed);

}  // namespace base
