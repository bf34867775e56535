// The dispatch table: keyword -> handler, filled once by the shell in the
// executor's fixed order (shell/dispatch_table.cpp). A keyword two handlers share
// keeps the first; an unknown one does nothing. It also names the handler that
// outputs quoted texts, so the interpreter needs no text sink of its own.
#pragma once
#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include "script/statement.h"

namespace shell { struct Game; }

namespace script {

using Handler = void (*)(shell::Game&, Statement&);
using TextHandler = void (*)(shell::Game&, const std::string&);

class Dispatch {
 public:
  void add(const std::string& keyword, Handler handler) { table_.try_emplace(keyword, handler); }
  Handler find(const std::string& keyword) const {
    auto it = table_.find(keyword);
    return it == table_.end() ? nullptr : it->second;
  }
  size_t size() const { return table_.size(); }
  // Every keyword in the table, sorted (the script guide and the game checker read them).
  std::vector<std::string> keywords() const {
    std::vector<std::string> all;
    for (const auto& entry : table_) all.push_back(entry.first);
    std::sort(all.begin(), all.end());
    return all;
  }

  // Where a quoted text block goes (nothing set: it is dropped).
  TextHandler quotedText = nullptr;

 private:
  std::unordered_map<std::string, Handler> table_;
};

}  // namespace script
