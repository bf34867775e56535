// Running a piece of a test in a child process, so that a crash, a hang or a
// runaway allocation of the code under test fails that test instead of ending
// (or starving) the whole suite.
#pragma once
#include <cstddef>
#include <functional>

namespace testing_support {

// Runs `work` in a forked child that is killed after `seconds`, and whose
// address space may grow by at most `extraMemory` bytes past what it uses at
// the fork (0: no limit; none under the address sanitizer, which reserves more
// than any limit leaves). True when the child ran it to the end and it returned
// true (false: it returned false, threw, crashed, ran out of time or memory).
bool finishesInChild(unsigned seconds, const std::function<bool()>& work, size_t extraMemory = 0);

}  // namespace testing_support
