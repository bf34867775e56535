// The debug log: every line of the current run, rewritten whole into debug.txt
// after each added line, so the file always holds this run and nothing older.
#pragma once
#include <filesystem>

#include "base/text.h"

namespace shell {

class DebugLog {
 public:
  void setFile(std::filesystem::path file) { file_ = std::move(file); }
  void logDebug(const std::string& line);
  const base::Lines& lines() const { return lines_; }

 private:
  std::filesystem::path file_;
  base::Lines lines_;
};

}  // namespace shell
