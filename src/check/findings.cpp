// Collecting, sorting and printing the checker's findings.
#include "check/findings.h"

#include <algorithm>

#include "base/cp1252.h"

namespace check {
namespace {

const char* levelName(Level level) {
  switch (level) {
    case Level::Error: return "error";
    case Level::Warning: return "warning";
    case Level::Note: return "note";
  }
  return "";
}

std::string counted(size_t n, const char* what) {
  return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
}

}  // namespace

void Findings::add(std::string file, int line, Level level, std::string message) {
  findings_.push_back({std::move(file), line, level, std::move(message)});
}

size_t Findings::count(Level level) const {
  return static_cast<size_t>(
      std::count_if(findings_.begin(), findings_.end(), [level](const Finding& f) { return f.level == level; }));
}

std::string formatFinding(const Finding& f) {
  std::string place = f.file + (f.line > 0 ? ":" + std::to_string(f.line) : "");
  return base::cp1252ToUtf8(place + ": " + levelName(f.level) + ": " + f.message);
}

void Findings::report(std::ostream& out, const std::string& gameName) const {
  auto sorted = findings_;
  std::stable_sort(sorted.begin(), sorted.end(), [](const Finding& a, const Finding& b) {
    return a.file != b.file ? a.file < b.file : a.line < b.line;
  });
  for (const auto& finding : sorted) out << formatFinding(finding) << "\n";
  out << base::cp1252ToUtf8(gameName) << ": ";
  if (sorted.empty()) {
    out << "no findings\n";
    return;
  }
  out << counted(count(Level::Error), "error") << ", " << counted(count(Level::Warning), "warning") << ", "
      << counted(count(Level::Note), "note") << "\n";
}

int Findings::exitStatus() const { return count(Level::Error) + count(Level::Warning) > 0 ? 1 : 0; }

}  // namespace check
