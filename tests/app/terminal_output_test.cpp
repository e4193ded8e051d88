// terminal_output_test.cpp - the GUI tests' pass-through of standard error ends with the test, also
// while a program the test started in the background still holds it. Runs without a display.

#include "terminal_output.h"

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <string>

namespace varnholt::testing_gui {
namespace {

// The background program holds standard error, and so the pipe, past the capture's end: the end
// still comes at once, with the test's own lines, and leaves no process of its own behind.
TEST(TerminalOutputTest, EndsAtOnceWhileABackgroundProgramHoldsThePipe) {
    TerminalOutput output;
    std::fputs("a line of the test\n", stderr);
    const pid_t holder = fork();
    if (holder == 0) {
        pause();
        _exit(0);
    }
    ASSERT_GT(holder, 0);
    const auto start = std::chrono::steady_clock::now();
    const std::string printed = output.Finish();
    const auto took = std::chrono::steady_clock::now() - start;
    kill(holder, SIGKILL);
    ASSERT_EQ(waitpid(holder, nullptr, 0), holder);
    EXPECT_EQ(printed, "a line of the test\n");
    EXPECT_LT(took, std::chrono::seconds(5));
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1) << "a child left unreaped";
}

}  // namespace
}  // namespace varnholt::testing_gui
