// terminal_output.cpp - standard error passed through a child process for the length of a test.
// The child only reads and writes, which is safe after a fork in a program with threads. It ends
// once every writer of the pipe has closed it, or once the test's end asks it to, after passing on
// what the pipe holds then: a program the test started in the background may hold the pipe long
// after. A test that crashes closes its end of the asking socket, which asks too.
#include "terminal_output.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
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

[[noreturn]] void PassOn(int from, int asked_to_end, int terminal, int copy) {
    char chunk[4096];
    const auto pass = [&](ssize_t got) {
        (void)WriteAll(terminal, chunk, got);
        (void)WriteAll(copy, chunk, got);
    };
    pollfd watched[] = {{from, POLLIN, 0}, {asked_to_end, POLLIN, 0}};
    while (true) {
        if (poll(watched, 2, -1) < 0) continue;  // interrupted
        if (watched[1].revents != 0) break;
        const ssize_t got = read(from, chunk, sizeof chunk);
        if (got == 0) _exit(0);
        if (got > 0) pass(got);
    }
    // Whatever the test wrote is in the pipe by now.
    (void)fcntl(from, F_SETFL, O_NONBLOCK);
    for (ssize_t got; (got = read(from, chunk, sizeof chunk)) > 0;) pass(got);
    _exit(0);
}

// Until the child has ended and is reaped, for at most `limit`.
bool Reaped(pid_t child, std::chrono::milliseconds limit) {
    const auto until = std::chrono::steady_clock::now() + limit;
    while (waitpid(child, nullptr, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

}  // namespace

TerminalOutput::TerminalOutput() {
    std::FILE* copy = std::tmpfile();
    int pipe_ends[2] = {-1, -1};
    int asking[2] = {-1, -1};
    if (copy == nullptr || pipe(pipe_ends) != 0 || socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, asking) != 0) {
        for (const int fd : {pipe_ends[0], pipe_ends[1]}) {
            if (fd >= 0) close(fd);
        }
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
        close(asking[0]);
        PassOn(pipe_ends[0], asking[1], m_saved, m_copy);
    }
    close(pipe_ends[0]);
    close(asking[1]);
    if (m_passer < 0) {
        for (const int fd : {pipe_ends[1], asking[0], std::exchange(m_saved, -1), std::exchange(m_copy, -1)}) close(fd);
        return;
    }
    m_ask_to_end = asking[0];
    dup2(pipe_ends[1], STDERR_FILENO);
    close(pipe_ends[1]);
}

TerminalOutput::~TerminalOutput() { (void)Finish(); }

std::string TerminalOutput::Finish() {
    if (m_passer <= 0) return {};
    std::fflush(stderr);
    dup2(m_saved, STDERR_FILENO);  // the test's own end of the pipe closes with it
    close(std::exchange(m_saved, -1));
    // Asked once all of ours is in the pipe. A passer that already ended leaves the socket
    // without a reader, which must not end the test with a signal.
    (void)send(m_ask_to_end, "", 1, MSG_NOSIGNAL);
    close(std::exchange(m_ask_to_end, -1));
    // Only a terminal that takes no more lines keeps the passer; it then ends unheard.
    if (!Reaped(m_passer, std::chrono::seconds(10))) {
        kill(m_passer, SIGKILL);
        while (waitpid(m_passer, nullptr, 0) < 0 && errno == EINTR) {
        }
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
