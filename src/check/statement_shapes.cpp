// The shapes of the player's own statement rows.
#include "check/statement_shapes.h"

#include "shell/dispatch_table.h"

namespace check {
namespace {

const model::Dispatch& statements() {
  static const model::Dispatch table = shell::buildDispatch();
  return table;
}

}  // namespace

const Shape* shapeOf(std::string_view keyword) {
  const model::StatementRow* row = statements().rowOf(keyword);
  return row && row->shape ? &*row->shape : nullptr;
}

std::vector<std::string> shapedKeywords() {
  std::vector<std::string> all;
  for (const std::string& keyword : statements().keywords())
    if (shapeOf(keyword)) all.push_back(keyword);
  return all;
}

}  // namespace check
