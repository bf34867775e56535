// The dispatch table: keyword -> statement row, filled once by the shell in the
// executor's fixed order (shell/dispatch_table.cpp). A keyword registered twice
// is a fault of the player, refused at registration; an unknown one does
// nothing when it runs. It also names the handler that outputs quoted texts, so
// the interpreter needs no text sink of its own.
#pragma once
#include <deque>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/statement_row.h"

namespace model {

using TextHandler = void (*)(model::Game&, const std::string&);

class Dispatch {
 public:
  Dispatch() = default;
  // Moved, never copied: the table points into its own rows.
  Dispatch(Dispatch&&) = default;
  Dispatch& operator=(Dispatch&&) = default;
  Dispatch(const Dispatch&) = delete;
  Dispatch& operator=(const Dispatch&) = delete;

  // The rows stay where they are (a subsystem's static table); the table points at them.
  void add(std::span<const StatementRow> rows);
  // A statement without a description (a test's own, or one added by a tool).
  void add(const std::string& keyword, Handler handler);

  Handler find(const std::string& keyword) const {
    const StatementRow* row = rowOf(keyword);
    return row ? row->handler : nullptr;
  }
  const StatementRow* rowOf(std::string_view keyword) const;
  size_t size() const { return byKeyword_.size(); }
  // Every keyword in the table, aliases included, sorted.
  std::vector<std::string> keywords() const;
  // Every row, in the order they were added.
  const std::vector<const StatementRow*>& rows() const { return rows_; }

  // Where a quoted text block goes (nothing set: it is dropped).
  TextHandler quotedText = nullptr;

 private:
  void addKeyword(std::string_view keyword, const StatementRow& row);

  std::unordered_map<std::string, const StatementRow*> byKeyword_;
  std::vector<const StatementRow*> rows_;
  std::deque<StatementRow> ownRows_;  // those added by keyword and handler
};

}  // namespace model
