// ribbon_band_bench.cpp - the time the ribbon takes to come back below its tabs, as it does when
// the File page closes: the band hidden and shown again, and its panels folded at the window's
// width. Timed as the program does it (MainRibbonBar::ShowBand, which gives the band its height
// first and measures the panels once) and as the toolkit's own way back does it, which measures
// them before the band has its height and must measure them again after, at 1280 and 700 px.
// Prints figures; fails on nothing; needs a display, and says so without one.
//
// Usage: ribbon_band_bench   (under xvfb-run)

#include "app/ribbon/MainRibbon.h"
#include "bench/bench_timing.h"

#include <gdk/gdk.h>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/sizer.h>

#include <cstdio>

namespace {

using namespace varnholt;

constexpr int kRuns = 20;

// Lets the toolkit lay out, map and paint what changed.
void Settle() {
    for (int i = 0; i < 5; ++i) {
        wxTheApp->Yield(true);
        gdk_display_sync(gdk_display_get_default());
    }
}

void Run(int width) {
    wxFrame frame(nullptr, wxID_ANY, "bench", wxPoint(0, 0), wxSize(width, 800));
    MainRibbonBar* bar = CreateMainRibbon(&frame);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(bar, 0, wxEXPAND);
    frame.SetSizer(sizer);
    frame.Show();
    Settle();
    const double program = bench::BestOf(kRuns, [bar] {
        bar->ShowBand(false);
        bar->ShowBand(true);
        Settle();
    });
    const double toolkit = bench::BestOf(kRuns, [bar] {
        bar->ShowBand(false);
        bar->ShowPanels(true);
        (void)bar->Realize();
        Settle();
    });
    std::printf("%5d px: band back %7.2f ms (the toolkit's way, measured twice: %7.2f ms)\n", width, program, toolkit);
}

}  // namespace

int main(int argc, char** argv) {
    wxApp::SetInstance(new wxApp);  // wxEntryCleanup deletes it
    if (!wxEntryStart(argc, argv)) {
        std::printf("ribbon_band_bench: no display, nothing timed\n");
        return 0;
    }
    for (const int width : {1280, 700}) Run(width);
    wxEntryCleanup();
    return 0;
}
