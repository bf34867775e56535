// The debug log: the lines of the current run, in the list and in debug.txt.
// The file is started afresh for each run and every line is appended to it as it
// comes (one write each, so a crash loses none). A game that logs without end
// (a loop over a missing picture) keeps both bounded: past kMaxLines the lines
// after the first kKeptHeadLines are dropped for one line saying how many went,
// and the log goes on from there.
#pragma once
#include <cstddef>
#include <filesystem>

#include "base/text.h"

namespace model {

class DebugLog {
 public:
  static constexpr size_t kMaxLines = 5000;
  static constexpr size_t kKeptHeadLines = 100;

  DebugLog() = default;
  DebugLog(const DebugLog&) = delete;
  DebugLog& operator=(const DebugLog&) = delete;
  ~DebugLog();

  // The file of this run; the lines so far are written to it at the next line.
  void setFile(std::filesystem::path file);
  void logDebug(const std::string& line);
  const base::Lines& lines() const { return lines_; }

 private:
  void rewriteFile();
  void closeFile();

  std::filesystem::path file_;
  int fd_ = -1;
  base::Lines lines_;
  size_t dropped_ = 0;
};

}  // namespace model
