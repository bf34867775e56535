// The definitions table Defs: positional rows of text that configure layout,
// colours, fonts, messages and options, and carry the game position. A row past
// the end reads as empty.
#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "base/text.h"
#include "model/definitions_rows.h"

namespace model {

class DefinitionsTable {
 public:
  // The 101 built-in rows used when the table file is empty.
  static const base::Lines& builtInRows();
  // The table a file holds: an empty file gives the built-in rows, and rows
  // missing at the end of a short table read as empty. The player and the
  // checker both read every table through here, so they see the same game.
  static DefinitionsTable fromFileRows(base::Lines rows);
  // The table file read (in either encoding); nothing when it cannot be read.
  static std::optional<DefinitionsTable> readFile(const std::filesystem::path& path);

  const base::Lines& rows() const { return rows_; }
  base::Lines& rows() { return rows_; }
  size_t size() const { return rows_.size(); }

  // defsRow(n): row n, empty past the end (or for a negative n).
  const std::string& defsRow(int n) const;
  // setDefsRow(n, text): replaces row n when 0 <= n < row count.
  void setDefsRow(int n, const std::string& text);
  // Makes the table at least n rows long with empty rows.
  void extendTo(size_t n);

  // A switch row is on when it holds exactly "*".
  bool isOn(int n) const { return defsRow(n) == "*"; }
  // A numeric row read as a decimal integer; nothing when it is not one.
  std::optional<int32_t> number(int n) const;

 private:
  base::Lines rows_;
};

}  // namespace model
