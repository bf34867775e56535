// What a host records (error boxes, sounds, opened addresses) keeps only the
// most recent lines of each kind: a long session, or a game failing in a loop,
// never makes the record grow with the length of play.
#pragma once
#include <string>
#include <vector>

namespace platform {

constexpr size_t kRecentLinesKept = 10000;

// Adds the line; once twice the kept number are there, the older half goes, so
// at least the last kRecentLinesKept lines are always there.
inline void addRecentLine(std::vector<std::string>& lines, std::string line) {
  if (lines.size() >= 2 * kRecentLinesKept)
    lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(lines.size() - kRecentLinesKept));
  lines.push_back(std::move(line));
}

}  // namespace platform
