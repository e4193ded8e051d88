// no_display_test.cpp - the program started where there is no display refuses with one line
// on standard error and exit status 1, instead of aborting inside the toolkit.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace {

TEST(NoDisplay, TheProgramSaysWhyInOneLineAndExitsWithOne) {
    const std::string unset = "VarnholtReader needs a graphical display: DISPLAY and WAYLAND_DISPLAY are not set\n";
    struct Case { const char* why; std::string env_args; std::string errors; } const cases[] = {
        {"neither variable set", "-u DISPLAY -u WAYLAND_DISPLAY", unset},
        {"both empty", "DISPLAY= WAYLAND_DISPLAY=", unset},
        {"no server at the display: the toolkit's reason", "-u WAYLAND_DISPLAY GDK_BACKEND=x11 DISPLAY=:9917", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        // Standard error only, through the pipe.
        const std::string command = "env " + c.env_args + " '" VARNHOLT_READER "' 2>&1 >/dev/null </dev/null";
        FILE* pipe = popen(command.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string errors;
        std::array<char, 256> buffer{};
        while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) errors += buffer.data();
        const int status = pclose(pipe);
        ASSERT_TRUE(WIFEXITED(status)) << "ended by a signal: " << errors;
        EXPECT_EQ(WEXITSTATUS(status), 1) << errors;
        if (!c.errors.empty()) {
            EXPECT_EQ(errors, c.errors);
        }
        EXPECT_TRUE(errors.starts_with("VarnholtReader needs a graphical display: ")) << errors;
        EXPECT_EQ(errors.find('\n'), errors.size() - 1) << "one line";
    }
}

}  // namespace
