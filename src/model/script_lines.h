// ScriptLines: the lines of the running script with an index of its labels, so
// a jump costs the same however long the script is, and each line's statement
// handler once looked up. The lines are read-only and can only be replaced whole;
// every replacement drops what was worked out about them, so nothing ever
// describes lines that are gone.
#pragma once
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/text.h"
#include "model/dispatch.h"

namespace model {

class ScriptLines {
 public:
  ScriptLines() = default;
  ScriptLines(base::Lines lines) : lines_(std::move(lines)) {}
  ScriptLines& operator=(base::Lines lines) {
    lines_ = std::move(lines);
    labels_.reset();
    references_.reset();
    handlers_.clear();
    return *this;
  }
  void clear() { *this = base::Lines(); }

  const base::Lines& lines() const { return lines_; }
  size_t size() const { return lines_.size(); }
  bool empty() const { return lines_.empty(); }
  const std::string& operator[](size_t i) const { return lines_[i]; }
  base::Lines::const_iterator begin() const { return lines_.begin(); }
  base::Lines::const_iterator end() const { return lines_.end(); }

  // The line of the first label whose trimmed line is ":" + name exactly
  // (case-sensitive), or -1 when there is none.
  int findLabel(std::string_view name) const;

  // The 0-based numbers of the lines that contain the text (a label's name), in
  // order; worked out for every label of the script at the first call.
  const std::vector<int>& linesContaining(const std::string& text) const;

  // The handler of the statement keyword on a line (null for an unknown one),
  // looked up once per line while the lines stay: a loop does no hashing.
  Handler handlerAt(size_t line, const std::string& keyword, const Dispatch& dispatch) const;

 private:
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>()(text); }
  };
  using Index = std::unordered_map<std::string, int, Hash, std::equal_to<>>;

  base::Lines lines_;
  mutable std::optional<Index> labels_;  // label name -> line, built on demand
  mutable std::optional<std::unordered_map<std::string, std::vector<int>>> references_;  // text -> lines
  struct KnownHandler {
    bool known = false;
    Handler handler = nullptr;
  };
  mutable std::vector<KnownHandler> handlers_;  // by line, filled on demand
};

}  // namespace model
