// test_exit_status.h - how a test program ends. A test that skips itself found something missing
// that every run should have (a tool, a locale): a run with a skipped test and no failed one ends
// with 77, which ctest counts as skipped and scripts/test refuses, rather than passing with the
// test left out unseen. Tests meant only for another desktop are left out of the plain runs
// (run_elsewhere_only in tests/app/CMakeLists.txt), so they never skip there.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>

namespace varnholt::testing_support {

inline constexpr int kSkippedExitCode = 77;

[[nodiscard]] inline int ExitStatusOf(int result) {
    const testing::UnitTest& run = *testing::UnitTest::GetInstance();
    if (result != 0 || run.skipped_test_count() == 0) return result;
    std::fprintf(stderr, "%d test(s) skipped themselves (listed above): the run lacks what they need\n",
                 run.skipped_test_count());
    return kSkippedExitCode;
}

}  // namespace varnholt::testing_support
