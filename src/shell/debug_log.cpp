// The debug list and its file.
#include "shell/debug_log.h"

#include "base/file_io.h"

namespace shell {

void DebugLog::logDebug(const std::string& line) {
  lines_.push_back(line);
  if (!file_.empty()) base::writeTextLines(file_, lines_);
}

}  // namespace shell
