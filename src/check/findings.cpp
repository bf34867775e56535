// Collecting, sorting and printing the checker's findings.
#include "check/findings.h"

#include <algorithm>

#include "base/cp1252.h"
#include "check/words.h"

namespace check {
namespace {

QString levelName(Level level) {
  switch (level) {
    case Level::Error: return Check::tr("error");
    case Level::Warning: return Check::tr("warning");
    case Level::Note: return Check::tr("note");
  }
  return {};
}

// "1 error", "2 errors": the singular for exactly one, the plural otherwise.
std::string counted(size_t n, const QString& one, const QString& many) { return say(n == 1 ? one : many, n); }

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
  return base::cp1252ToUtf8(place) + ": " + levelName(f.level).toStdString() + ": " + f.message;
}

void Findings::report(std::ostream& out, const std::string& gameName) const {
  auto sorted = findings_;
  std::stable_sort(sorted.begin(), sorted.end(), [](const Finding& a, const Finding& b) {
    return a.file != b.file ? a.file < b.file : a.line < b.line;
  });
  for (const auto& finding : sorted) out << formatFinding(finding) << "\n";
  out << base::cp1252ToUtf8(gameName) << ": ";
  if (sorted.empty()) {
    out << say(Check::tr("no findings")) << "\n";
    return;
  }
  out << counted(count(Level::Error), Check::tr("%1 error"), Check::tr("%1 errors")) << ", "
      << counted(count(Level::Warning), Check::tr("%1 warning"), Check::tr("%1 warnings")) << ", "
      << counted(count(Level::Note), Check::tr("%1 note"), Check::tr("%1 notes")) << "\n";
}

int Findings::exitStatus() const { return count(Level::Error) + count(Level::Warning) > 0 ? 1 : 0; }

}  // namespace check
