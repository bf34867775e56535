// WorkPace: keeps a costly piece of work that a run repeats (painting the window,
// catching a memo up with a long line) to a fifth of the run's time. After the
// work took T it is due again only once 4 T have passed; work that grows with
// the text shown is then done less often as it grows, and the run stays linear.
#pragma once
#include <QElapsedTimer>

namespace backends {

class WorkPace {
 public:
  bool due() const { return !since_.isValid() || since_.nsecsElapsed() >= 4 * lastNs_; }
  template <class Work>
  void run(Work&& work) {
    QElapsedTimer took;
    took.start();
    work();
    lastNs_ = took.nsecsElapsed();
    since_.start();
  }
  // Runs the work only when it is due.
  template <class Work>
  void runWhenDue(Work&& work) {
    if (due()) run(work);
  }

 private:
  QElapsedTimer since_;  // since the work last ended
  qint64 lastNs_ = 0;    // how long it took then
};

}  // namespace backends
