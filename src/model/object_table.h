// The object table: one record of eight lines per object key (key, nom, dsc,
// loc, shp, tag, two reserved lines), in the order of the keys, stored and
// saved as those lines (Objx). Every lookup of a record by its key or by its
// place goes through find and at, so the records are counted and indexed in
// one place.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"

namespace model {

// Lines of a record that scripts name.
enum class Field { Key = 0, Nom = 1, Dsc = 2, Loc = 3, Shp = 4, Tag = 5 };

// How a key is compared: as written, or without regard to letter case.
enum class KeyMatch { Exact, IgnoringCase };

class ObjectTable {
 public:
  static constexpr size_t kRecordLines = 8;

  // The table over the lines of its file (Objx), which it reads in place.
  explicit ObjectTable(const base::Lines& lines) : lines_(&lines) {}

  // Where a line of a record is among the table's lines.
  static size_t lineIndex(size_t record, Field field) { return record * kRecordLines + static_cast<size_t>(field); }
  // The records whose eight lines are all there.
  size_t wholeRecords() const { return lines_->size() / kRecordLines; }
  // A line of a record; nullptr where the table stops short of it.
  const std::string* line(size_t record, Field field) const;
  // The first record, among the first `among`, that stops short of the field:
  // a table cut short of what its keys say.
  std::optional<size_t> firstRecordWithout(Field field, size_t among) const;

  // The first record, among the first `among` and up to the first whose key
  // line is missing, whose key is the key.
  std::optional<size_t> find(std::string_view key, size_t among, KeyMatch match = KeyMatch::Exact) const;
  // Every record, among the first `among` and up to the first whose place line
  // is missing, whose place is exactly the place, in table order.
  std::vector<size_t> at(std::string_view place, size_t among) const;

 private:
  const base::Lines* lines_;
};

}  // namespace model
