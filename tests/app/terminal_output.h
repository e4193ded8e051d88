// terminal_output.h - what the program prints on the terminal while a test runs. Standard error
// goes through a pipe to a small process of its own, which passes every line on to the real
// standard error as it comes and keeps a copy: a test that crashes, or a sanitizer's report that
// ends the run, still leaves its lines on the terminal. A user who started the program from a
// terminal reads every such line, so the test fails on any.
#pragma once

#include <sys/types.h>

#include <string>

namespace varnholt::testing_gui {

class TerminalOutput {
public:
    TerminalOutput();
    ~TerminalOutput();
    TerminalOutput(const TerminalOutput&) = delete;
    TerminalOutput& operator=(const TerminalOutput&) = delete;

    // Ends the capture and answers what came meanwhile (already passed on to the terminal). The
    // passing process has ended when it returns, though a program started in the background may
    // still hold the pipe; what that program prints afterwards goes nowhere.
    std::string Finish();

private:
    int m_copy = -1;   // the kept copy, a temporary file the passing process appends to
    int m_saved = -1;  // the real standard error
    int m_ask_to_end = -1;  // a byte here ends the passing process once it passed on what it holds
    pid_t m_passer = -1;
};

}  // namespace varnholt::testing_gui
