// The debug list and its file.
#include "model/debug_log.h"

#include <fcntl.h>
#include <unistd.h>

#include "base/file_io.h"

namespace model {

DebugLog::~DebugLog() { closeFile(); }

void DebugLog::closeFile() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

void DebugLog::setFile(std::filesystem::path file) {
  closeFile();
  file_ = std::move(file);
}

// The whole list over the file (a fresh file, never through a symlink planted
// in its place), then kept open for appending.
void DebugLog::rewriteFile() {
  closeFile();
  if (file_.empty()) return;
  if (!base::writeTextLines(file_, lines_, base::Durability::Unflushed)) return;
  fd_ = ::open(file_.c_str(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC);
}

void DebugLog::logDebug(const std::string& line) {
  lines_.push_back(line);
  if (lines_.size() > kMaxLines) {
    const size_t marker = dropped_ > 0 ? 1 : 0;  // the line that said how many went before
    dropped_ += lines_.size() - kKeptHeadLines - marker;
    lines_.resize(kKeptHeadLines);
    lines_.push_back("(" + std::to_string(dropped_) + " linhas omitidas)");
    return rewriteFile();
  }
  if (fd_ < 0) return rewriteFile();
  const std::string bytes = base::joinLines({line});
  if (::write(fd_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) closeFile();
}

}  // namespace model
