// terminal_output.cpp - standard error captured in a temporary file for the length of a test.
#include "terminal_output.h"

#include <unistd.h>

#include <utility>

namespace varnholt::testing_gui {

TerminalOutput::TerminalOutput() : m_file(std::tmpfile()) {
    if (m_file == nullptr) return;
    std::fflush(stderr);
    m_saved = dup(STDERR_FILENO);
    if (m_saved < 0 || dup2(fileno(m_file), STDERR_FILENO) < 0) {
        if (m_saved >= 0) close(std::exchange(m_saved, -1));
        std::fclose(std::exchange(m_file, nullptr));
    }
}

TerminalOutput::~TerminalOutput() { (void)Finish(); }

std::string TerminalOutput::Finish() {
    if (m_file == nullptr) return {};
    std::fflush(stderr);
    dup2(m_saved, STDERR_FILENO);
    close(std::exchange(m_saved, -1));
    std::string printed;
    std::rewind(m_file);
    char chunk[4096];
    for (std::size_t read; (read = std::fread(chunk, 1, sizeof chunk, m_file)) > 0;) printed.append(chunk, read);
    std::fclose(std::exchange(m_file, nullptr));
    std::fputs(printed.c_str(), stderr);
    return printed;
}

}  // namespace varnholt::testing_gui
