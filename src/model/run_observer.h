// What an author's record of play hears of a game: every line the executor is
// about to run and has run, a run stopped by an error, and every typed command
// a phrase line matched. The player runs without one; --steps and --coverage
// attach theirs (check/play_record.h).
#pragma once
#include <string>

namespace model { struct Game; }

namespace model {

class RunObserver {
 public:
  virtual ~RunObserver() = default;
  // Before and after one line at runner.currentLine (any kind of line; a line
  // that stops the run has no lineDone).
  virtual void lineStarting(const model::Game& game) = 0;
  virtual void lineDone(const model::Game& game) = 0;
  // The run stopped with this cause (the error box says more).
  virtual void runStopped(const model::Game& game, const std::string& cause) = 0;
  // A typed command matched line (from 1) of the phrase file.
  virtual void phraseMatched(const std::string& phraseFile, int line) = 0;
};

}  // namespace model
