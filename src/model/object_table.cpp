// Records of the object table found by key and by place.
#include "model/object_table.h"

#include "base/letter_case.h"

namespace model {

const std::string* ObjectTable::line(size_t record, Field field) const {
  const size_t index = lineIndex(record, field);
  return index < lines_->size() ? &(*lines_)[index] : nullptr;
}

std::optional<size_t> ObjectTable::firstRecordWithout(Field field, size_t among) const {
  const size_t offset = static_cast<size_t>(field);
  // Record r has the field while r * 8 + offset < size.
  const size_t first = lines_->size() <= offset ? 0 : (lines_->size() - offset + kRecordLines - 1) / kRecordLines;
  if (first < among) return first;
  return std::nullopt;
}

std::optional<size_t> ObjectTable::find(std::string_view key, size_t among, KeyMatch match) const {
  const std::string wanted = match == KeyMatch::IgnoringCase ? base::upperCaseLetters(key) : std::string();
  for (size_t record = 0; record < among; ++record) {
    const std::string* line = this->line(record, Field::Key);
    if (!line) break;
    if (match == KeyMatch::Exact ? *line == key : base::upperCaseLetters(*line) == wanted) return record;
  }
  return std::nullopt;
}

std::vector<size_t> ObjectTable::at(std::string_view place, size_t among) const {
  std::vector<size_t> records;
  for (size_t record = 0; record < among; ++record) {
    const std::string* line = this->line(record, Field::Loc);
    if (!line) break;
    if (*line == place) records.push_back(record);
  }
  return records;
}

}  // namespace model
