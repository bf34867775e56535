// Definitions table rows and their built-in defaults.
#include "model/defs.h"

#include "base/number.h"
#include "base/text_encoding.h"

namespace model {

const base::Lines& DefinitionsTable::builtInRows() {
  static const base::Lines rows = [] {
    base::Lines texts;
    for (const DefinitionsRow& row : definitionsRows())
      if (row.builtIn) texts.push_back(row.builtIn);
    return texts;
  }();
  return rows;
}

DefinitionsTable DefinitionsTable::fromFileRows(base::Lines rows) {
  DefinitionsTable table;
  table.rows_ = rows.empty() ? builtInRows() : std::move(rows);
  return table;
}

std::optional<DefinitionsTable> DefinitionsTable::readFile(const std::filesystem::path& path) {
  auto rows = base::readContentLines(path);
  if (!rows) return std::nullopt;
  return fromFileRows(std::move(*rows));
}

const std::string& DefinitionsTable::defsRow(int n) const {
  static const std::string empty;
  if (n < 0 || static_cast<size_t>(n) >= rows_.size()) return empty;
  return rows_[static_cast<size_t>(n)];
}

void DefinitionsTable::setDefsRow(int n, const std::string& text) {
  if (n >= 0 && static_cast<size_t>(n) < rows_.size()) rows_[static_cast<size_t>(n)] = text;
}

void DefinitionsTable::extendTo(size_t n) {
  if (rows_.size() < n) rows_.resize(n);
}

std::optional<int32_t> DefinitionsTable::number(int n) const { return base::readNumber(defsRow(n)); }

}  // namespace model
