// no_display_test.cpp - the program started where there is no display refuses with one line
// on standard error and exit status 1, instead of aborting inside the toolkit.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace {

struct ChildRun {
    int status = -1;
    std::string errors;  // standard error only
};

// Runs the program with the environment changes of `env_args` (as `env` takes them).
ChildRun RunProgram(const std::string& env_args) {
    const std::string command = "env " + env_args + " '" VARNHOLT_READER "' 2>&1 >/dev/null </dev/null";
    ChildRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    std::array<char, 256> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) run.errors += buffer.data();
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}

TEST(NoDisplay, TheProgramSaysWhyAndExitsWithOne) {
    struct Case {
        const char* why;
        std::string env_args;
        std::string errors;
    } const cases[] = {
        {"neither variable set", "-u DISPLAY -u WAYLAND_DISPLAY",
         "VarnholtReader needs a graphical display: DISPLAY and WAYLAND_DISPLAY are not set\n"},
        {"both set but empty", "DISPLAY= WAYLAND_DISPLAY=",
         "VarnholtReader needs a graphical display: DISPLAY and WAYLAND_DISPLAY are not set\n"},
        {"a display that is not there: the toolkit's reason", "-u WAYLAND_DISPLAY GDK_BACKEND=x11 DISPLAY=:9917", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const ChildRun run = RunProgram(c.env_args);
        EXPECT_EQ(run.status, 1) << run.errors;
        if (!c.errors.empty()) {
            EXPECT_EQ(run.errors, c.errors);
        } else {
            EXPECT_TRUE(run.errors.starts_with("VarnholtReader needs a graphical display: ")) << run.errors;
            EXPECT_EQ(run.errors.find('\n'), run.errors.size() - 1) << "one line: " << run.errors;
        }
    }
}

}  // namespace
