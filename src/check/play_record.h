// An author's record of a play, heard through the run observer: with --steps,
// one line per statement run ("script.scx:LINE: statement as written", the
// registers it changed, the error that stopped a run); with --coverage, which
// statement lines of every script ran and which phrases of the phrase file
// matched, written at the end of the play.
#pragma once
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/text.h"
#include "model/run_observer.h"

namespace check {

class PlayRecord : public model::RunObserver {
 public:
  // stepsFile empty: no steps are written.
  explicit PlayRecord(const std::filesystem::path& stepsFile);
  // False when the steps file was asked for and cannot be written.
  bool ready() const { return stepsFile_.empty() || steps_.good(); }

  void lineStarting(const model::Game& game) override;
  void lineDone(const model::Game& game) override;
  void runStopped(const model::Game& game, const std::string& cause) override;
  void phraseMatched(const std::string& phraseFile, int line) override;

  // The coverage of the game in the folder as text (UTF-8, in the interface
  // language): per script its lines never run, per phrase file its phrases
  // never matched, then a summary line.
  std::string coverage(const std::filesystem::path& gameFolder) const;

 private:
  struct Step {
    bool open = false;       // a statement line started and not yet done
    std::string file;        // "sala.scx"
    int line = 0;            // from 1
    std::string text;        // trimmed, Windows-1252
    base::Lines registers;   // the registers before it (only with steps)
  };
  void writeStep(const std::string& after);

  std::filesystem::path stepsFile_;
  std::ofstream steps_;
  Step step_;
  std::string phraseFile_;                          // the phrase file last in use
  std::map<std::string, std::set<int>> ran_;        // script file -> lines from 1
  std::map<std::string, std::set<int>> matched_;    // phrase file -> lines from 1
};

}  // namespace check
