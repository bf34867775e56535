// The arguments each statement takes, as the checker reads them: the shapes of
// the statement rows the executor dispatches from, so the checker and the
// player can never disagree on a statement. A statement without a shape is only
// checked for its keyword.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "model/statement_row.h"

namespace check {

using Shape = model::ArgumentShape;

// The shape of a keyword, or null when the checker knows none.
const Shape* shapeOf(std::string_view keyword);

// Every keyword with a shape.
std::vector<std::string> shapedKeywords();

}  // namespace check
