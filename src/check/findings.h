// What the game checker found: one finding per fault, reported the way compilers
// do ("file:line: level: message") so editors jump to it, then a summary line.
#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace check {

enum class Level { Error, Warning, Note };

struct Finding {
  std::string file;  // relative to the game folder
  int line = 0;      // 1-based; 0 for the file as a whole
  Level level = Level::Error;
  std::string message;  // UTF-8, in the interface language (see check/words.h)
};

class Findings {
 public:
  void add(std::string file, int line, Level level, std::string message);
  void error(std::string file, int line, std::string message) { add(std::move(file), line, Level::Error, std::move(message)); }
  void warning(std::string file, int line, std::string message) {
    add(std::move(file), line, Level::Warning, std::move(message));
  }
  void note(std::string file, int line, std::string message) { add(std::move(file), line, Level::Note, std::move(message)); }

  const std::vector<Finding>& all() const { return findings_; }
  size_t count(Level level) const;

  // Every finding sorted by file and line (in UTF-8), then "<game>: N errors, ...",
  // in the interface language.
  void report(std::ostream& out, const std::string& gameName) const;
  // 0 when there is no error or warning (notes alone keep a game clean), else 1.
  int exitStatus() const;

 private:
  std::vector<Finding> findings_;
};

// "file:line: level: message" (or "file: level: message"), in UTF-8; the level
// word in the interface language.
std::string formatFinding(const Finding& finding);

}  // namespace check
