// terminal_output.h - what the program prints on the terminal while a test runs: standard error
// goes to a file of its own from the start of the test to its end, and is printed afterwards as
// it came. A user who started the program from a terminal reads every such line, so the test
// fails on any.
#pragma once

#include <cstdio>
#include <string>

namespace varnholt::testing_gui {

class TerminalOutput {
public:
    TerminalOutput();
    ~TerminalOutput();
    TerminalOutput(const TerminalOutput&) = delete;
    TerminalOutput& operator=(const TerminalOutput&) = delete;

    // Ends the capture, prints what came on the real standard error and answers it.
    std::string Finish();

private:
    std::FILE* m_file = nullptr;
    int m_saved = -1;
};

}  // namespace varnholt::testing_gui
