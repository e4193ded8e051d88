// gui_test_main.cpp - runs the tests of one GUI test program inside a started wx application.
// Without a display, or with a test that skipped itself, the program exits with 77, which ctest
// counts as skipped; scripts/test runs these programs under xvfb-run, each with a server of its
// own, and fails on any skip.

#include "../test_exit_status.h"
#include "toolkit_assertions.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>

#include <cstdio>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new wxApp);  // wxEntryCleanup deletes it
    if (!wxEntryStart(argc, argv)) {
        std::fputs("no display: GUI tests skipped\n", stderr);
        return 77;
    }
    varnholt::testing_gui::TurnToolkitAssertionsIntoFailures();
    int result = 1;
    if (wxTheApp->CallOnInit()) result = varnholt::testing_support::ExitStatusOf(RUN_ALL_TESTS());
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
