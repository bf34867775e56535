// Definitions table rows and their built-in defaults.
#include "model/defs.h"

#include "base/number.h"
#include "base/text_encoding.h"

namespace model {

const base::Lines& DefinitionsTable::builtInRows() {
  static const base::Lines rows = {
      "750", "122", "750", "551", "mirandel", "250", "start", "posic1", "posic1", "chave",
      "posic1", "900", "420", "aber.bmp", "", "Arial", "16", "comandos", "219439", "FFFF00",
      "FFFF00", "FF8000", "10", "10", "670", "365", "1", "0", "285", "670",
      "80", "219439", "Arial", "16", "FFFF00", "*", "10", "380", "670", "30",
      "1D8131", "Courier New", "16", "FFFF00", "*", "709", "45", "180", "300", "670",
      "400", "670", "400", "*", "830", "380", "bot1.bmp", "biu", "670", "280",
      "Arial", "12", "D0D0D0", "[ ]", "702", "380", "bot1.bmp", "biu", "Biu", "Arial",
      "12", "FFFF00", "Encerrar", "Perd\xE3o, n\xE3o entendi.",
      "N\xE3o entendi mas conhe\xE7o algumas a\xE7\xF5" "es que podem servir.", "errocmd",
      "INSTRU\xC7\xD5" "ES", "MEUS OBJETOS", "EXAMINE O LOCAL", "- 79 -",
      "A", "O", "UM", "UMA", "PRO", "PRA", "PARA", "NO", "NA", "",
      "", "", "", "", "", "", "670", "400", "", "- 99 -",
      "---"};
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
