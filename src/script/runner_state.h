// The runner's state: the lines of the script being run, where it is, the active
// subroutine and the link parameters of the current run.
#pragma once
#include <string>

#include "script/script_lines.h"

namespace script {

class RunObserver;

// A run stops with an error after this many statements: no real game comes near
// it, and a script that loops forever must not hang the player.
constexpr long long kMaxStepsPerRun = 20'000'000;

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
};

}  // namespace script
