// A test's work in a child process with a time limit.
#include "support/child_process.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

namespace testing_support {
namespace {

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MIRANDEL_CHILD_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define MIRANDEL_CHILD_ADDRESS_SANITIZER 1
#endif

void limitMemory(size_t extra) {
#ifndef MIRANDEL_CHILD_ADDRESS_SANITIZER
  long pages = 0;
  std::ifstream("/proc/self/statm") >> pages;
  rlimit limit{};
  limit.rlim_cur = limit.rlim_max = static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + extra;
  setrlimit(RLIMIT_AS, &limit);
#else
  (void)extra;
#endif
}

}  // namespace

bool finishesInChild(unsigned seconds, const std::function<bool()>& work, size_t extraMemory) {
  const pid_t child = fork();
  if (child == 0) {
    alarm(seconds);  // the default action of SIGALRM ends the child
    if (extraMemory > 0) limitMemory(extraMemory);
    bool ok = false;
    try {
      ok = work();
    } catch (...) {
      ok = false;
    }
    _exit(ok ? 0 : 1);
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace testing_support
