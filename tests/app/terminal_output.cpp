// terminal_output.cpp - standard error passed through a child process for the length of a test.
// The child only reads and writes, which is safe after a fork in a program with threads; it ends
// once every writer of the pipe has closed it, the test's own end or its crash alike.
#include "terminal_output.h"

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <utility>

namespace varnholt::testing_gui {
namespace {

bool WriteAll(int fd, const char* data, ssize_t size) {
    while (size > 0) {
        const ssize_t written = write(fd, data, static_cast<std::size_t>(size));
        if (written <= 0) return false;
        data += written;
        size -= written;
    }
    return true;
}

[[noreturn]] void PassOn(int from, int terminal, int copy) {
    char chunk[4096];
    for (ssize_t got; (got = read(from, chunk, sizeof chunk)) != 0;) {
        if (got < 0) continue;  // interrupted
        (void)WriteAll(terminal, chunk, got);
        (void)WriteAll(copy, chunk, got);
    }
    _exit(0);
}

}  // namespace

TerminalOutput::TerminalOutput() {
    std::FILE* copy = std::tmpfile();
    int pipe_ends[2] = {-1, -1};
    if (copy == nullptr || pipe(pipe_ends) != 0) {
        if (copy != nullptr) std::fclose(copy);
        return;
    }
    m_copy = dup(fileno(copy));
    std::fclose(copy);
    std::fflush(stderr);
    m_saved = dup(STDERR_FILENO);
    m_passer = fork();
    if (m_passer == 0) {
        close(pipe_ends[1]);
        PassOn(pipe_ends[0], m_saved, m_copy);
    }
    close(pipe_ends[0]);
    if (m_passer < 0) {
        close(pipe_ends[1]);
        return;
    }
    dup2(pipe_ends[1], STDERR_FILENO);
    close(pipe_ends[1]);
}

TerminalOutput::~TerminalOutput() { (void)Finish(); }

std::string TerminalOutput::Finish() {
    if (m_passer <= 0) return {};
    std::fflush(stderr);
    dup2(m_saved, STDERR_FILENO);  // the test's own end of the pipe closes with it
    close(std::exchange(m_saved, -1));
    // A program the test started in the background may still hold the pipe: its lines are
    // passed on as they come, but the copy is read once ours have gone through.
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (waitpid(m_passer, nullptr, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > until) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    m_passer = -1;
    std::string printed;
    char chunk[4096];
    off_t at = 0;
    for (ssize_t got; (got = pread(m_copy, chunk, sizeof chunk, at)) > 0; at += got) printed.append(chunk, static_cast<std::size_t>(got));
    close(std::exchange(m_copy, -1));
    return printed;
}

}  // namespace varnholt::testing_gui
