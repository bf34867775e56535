// The dispatch table's registration: every keyword once.
#include "model/dispatch.h"

#include <algorithm>
#include <stdexcept>

namespace model {

void Dispatch::add(std::span<const StatementRow> rows) {
  for (const StatementRow& row : rows) {
    addKeyword(row.keyword, row);
    for (std::string_view alias : row.aliases) addKeyword(alias, row);
    rows_.push_back(&row);
  }
}

void Dispatch::add(const std::string& keyword, Handler handler) {
  ownRows_.push_back({});
  StatementRow& row = ownRows_.back();
  row.handler = handler;
  // The row's keyword must outlive the call: it names the table's own key.
  addKeyword(keyword, row);
  row.keyword = byKeyword_.find(keyword)->first;
  rows_.push_back(&row);
}

void Dispatch::addKeyword(std::string_view keyword, const StatementRow& row) {
  if (!byKeyword_.emplace(std::string(keyword), &row).second)
    throw std::logic_error("the statement keyword \"" + std::string(keyword) + "\" is registered twice");
}

const StatementRow* Dispatch::rowOf(std::string_view keyword) const {
  auto it = byKeyword_.find(std::string(keyword));
  return it == byKeyword_.end() ? nullptr : it->second;
}

std::vector<std::string> Dispatch::keywords() const {
  std::vector<std::string> all;
  for (const auto& entry : byKeyword_) all.push_back(entry.first);
  std::sort(all.begin(), all.end());
  return all;
}

}  // namespace model
