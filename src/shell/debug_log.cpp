// The debug list and its file.
#include "shell/debug_log.h"

#include "base/file_io.h"

namespace shell {

void DebugLog::logDebug(const std::string& line) {
  lines_.push_back(line);
  // A log, not a save: rewritten whole, but not worth a flush to the disk per line.
  if (!file_.empty()) base::writeTextLines(file_, lines_, base::Durability::Unflushed);
}

}  // namespace shell
