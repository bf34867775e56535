// The table of the definitions table's rows.
#include "model/definitions_rows.h"

namespace model {
namespace {

constexpr DefinitionsRow kRows[] = {
#define MIRANDEL_ROW_ENTRY(index, name, kind, builtIn, meaning) {index, #name, RowKind::kind, builtIn, meaning},
    MIRANDEL_DEFINITIONS_ROWS(MIRANDEL_ROW_ENTRY)
#undef MIRANDEL_ROW_ENTRY
};

}  // namespace

std::span<const DefinitionsRow> definitionsRows() { return kRows; }

const DefinitionsRow* definitionsRow(int index) {
  if (index < 0 || static_cast<size_t>(index) >= std::size(kRows)) return nullptr;
  return &kRows[index];
}

const char* rowKindName(RowKind kind) {
  switch (kind) {
    case RowKind::Number: return "number";
    case RowKind::Text: return "text";
    case RowKind::Colour: return "colour";
    case RowKind::Switch: return "switch";
    case RowKind::Carried: return "carried";
  }
  return "";
}

}  // namespace model
