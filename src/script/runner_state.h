// The runner's state: the lines of the script being run, where it is, the active
// subroutine and the link parameters of the current run.
#pragma once
#include <string>

#include "base/text.h"

namespace script {

struct RunnerState {
  base::Lines Script;
  std::string currentScript = "start";
  int currentLine = 0;
  std::string gosubScript;
  int gosubLine = -1;
  std::string Prm, Prx, Pry;

  bool running = false;
  // Set by a handler that wants the line at currentLine executed at once, in the
  // same step (a jump's target line, the line after a quoted text).
  bool executeAtOnce = false;
  // Statements executed by the current run, to stop a run that never ends.
  long long stepsThisRun = 0;
};

}  // namespace script
