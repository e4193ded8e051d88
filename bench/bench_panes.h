// bench_panes.h - the main of the benchmarks that paint real pane windows: it starts the toolkit,
// saying so where no display can be had.
#pragma once

#include "columns/ColumnCatalog.h"
#include "model/CaptionCatalog.h"

#include <wx/app.h>
#include <wx/init.h>

#include <cstdio>
#include <span>

namespace varnholt::bench {

// A benchmark's main over the schedule files it is given, in English, with the toolkit started:
// `run(files)` once, with the files as a span of paths; the toolkit is cleaned up after it.
template <class Run>
int RunWithDisplay(int argc, char** argv, const char* program, Run run) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE.xer [FILE.xer ...]\n", program);
        return 2;
    }
    wxApp::SetInstance(new wxApp);  // wxEntryCleanup deletes it
    if (!wxEntryStart(argc, argv)) {
        std::printf("%s: no display, nothing painted\n", program);
        return 0;
    }
    CaptionCatalog::Instance().ChooseLanguage(L"ENU");
    ColumnCatalog::Instance().BuildAllColumns();
    run(std::span<char* const>(argv + 1, static_cast<std::size_t>(argc - 1)));
    wxEntryCleanup();
    return 0;
}

}  // namespace varnholt::bench
