// The runner's state: the lines of the script being run, where it is, the active
// subroutine and the link parameters of the current run.
#pragma once
#include <string>

#include "model/script_lines.h"

namespace model {

class RunObserver;

// A run stops with an error after this many statements: no real game comes near
// it, and a script that loops forever must not hang the player.
constexpr long long kMaxStepsPerRun = 20'000'000;
// Nor may it read more script bytes than this: a script that loads scripts
// again and again would otherwise take hours within its steps.
constexpr long long kMaxScriptBytesPerRun = 256ll << 20;
// The window is kept alive (repainted, a close heard) every so many statements.
constexpr long long kStepsBetweenEvents = 100'000;

// Which file, in which state, the lines of Script were read from: a script
// loaded again while its file is unchanged keeps the lines it has.
struct ScriptSource {
  std::string path;
  long long size = -1, modified = 0, inode = 0;
  bool operator==(const ScriptSource&) const = default;
};

struct RunnerState {
  ScriptLines Script;  // replaced whole, never edited in place (see script_lines.h)
  std::string currentScript = "start";
  int currentLine = 0;
  std::string gosubScript;
  int gosubLine = -1;
  std::string Prm, Prx, Pry;

  bool running = false;
  // Set by a handler that wants the line at currentLine executed at once, in the
  // same step (a jump's target line, the line after a quoted text).
  bool executeAtOnce = false;
  // Statements executed by the current run, to stop a run that never ends, and
  // the bound at which it is stopped (kMaxStepsPerRun; tests lower it).
  long long stepsThisRun = 0;
  long long maxStepsPerRun = kMaxStepsPerRun;
  // Runs started since the program began: tells whether an input started one.
  long long runsStarted = 0;
  // An author's record of play (--steps, --coverage), or none.
  RunObserver* observer = nullptr;
  // Script bytes read from files by the current run.
  long long scriptBytesThisRun = 0;
  ScriptSource scriptSource;
};

}  // namespace model
