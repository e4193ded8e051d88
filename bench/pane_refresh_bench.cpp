// pane_refresh_bench.cpp - the time from a pane's Refresh to the X server having its new frame,
// for the activity table pane (1920 x 1080) and the Gantt pane (1200 x 1000), both real pane
// windows shown on screen, over generated schedules grouped by WBS with relationship lines on.
// A refresh is timed from Refresh() through Update(), which paints the invalidated window at
// once, to the end of a round trip to the server (gdk_display_sync), which returns only when
// the server has carried out every request sent before it, the new frame included. Timed at
// rows already painted (warm) and a page further down each time (rows never painted before).
// Prints figures; fails on nothing; needs a display, and says so without one.
//
// Usage: pane_refresh_bench FILE.xer [FILE.xer ...]   (files from xer_generator; under
// xvfb-run give the screen room for both panes: -s "-screen 0 3200x1200x24")

#include "app/VarnholtView.h"
#include "bench/bench_chart.h"
#include "bench/bench_panes.h"
#include "bench/bench_timing.h"
#include "columns/field_ids.h"
#include "layouts/ActivityLayout.h"
#include "views/core/RowList.h"
#include "views/gantt/GanttView.h"
#include "views/grid/ActivityTableView.h"

#include <gdk/gdk.h>
#include <wx/app.h>
#include <wx/frame.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <span>
#include <vector>

namespace {

using namespace varnholt;

constexpr int kTableWidth = 1920, kTableHeight = 1080;
constexpr int kChartWidth = 1200, kChartHeight = 1000;
constexpr int kRuns = 30;

void ShapeLayout(ActivityLayout& layout) {
    bench::SetColumns(layout, {{130, 90.0f}, {132, 250.0f}, {82, 90.0f}, {70, 90.0f}, {85, 80.0f}, {147, 100.0f},
                               {100001, 100.0f}, {100002, 80.0f}, {500001, 90.0f}});
    layout.GetGroupSortBy()->AddGroupBy(kActivityWbsField).include_all = true;
    bench::AddCurrentBar(*layout.GetGanttBars());
    layout.GetTimescale()->unit = 5;
}

// Counts the paints a window receives, ahead of the window's own handler.
class PaintCounter final : public wxEvtHandler {
public:
    PaintCounter() { Bind(wxEVT_PAINT, [this](wxPaintEvent& event) { ++count, event.Skip(); }); }
    int count = 0;
};

// Lets the toolkit map the windows and paint them for the first time.
void Settle() {
    for (int i = 0; i < 20; ++i) {
        wxTheApp->Yield(true);
        gdk_display_sync(gdk_display_get_default());
    }
}

// One refresh of the pane, in milliseconds from Refresh to the server's answer; `waited` is the
// part spent waiting for that answer after the paint was sent.
double RefreshToScreen(VarnholtView& pane, double* waited = nullptr) {
    const bench::Clock::time_point start = bench::Clock::now();
    pane.Refresh();
    pane.Update();
    const bench::Clock::time_point painted = bench::Clock::now();
    gdk_display_sync(gdk_display_get_default());
    if (waited != nullptr) *waited = bench::MillisecondsSince(painted);
    return bench::MillisecondsSince(start);
}

struct Figures {
    double best = 0.0, median = 0.0, worst = 0.0;
};

Figures Summarise(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return {times.front(), times[times.size() / 2], times.back()};
}

// Refreshes the pane kRuns times, `before` each, and prints the figures.
template <class Before>
void Time(const char* pane_name, const char* rows, VarnholtView& pane, PaintCounter& counter, Before before) {
    std::vector<double> times, waits;
    counter.count = 0;
    for (int i = 1; i <= kRuns; ++i) {
        before(i);
        double waited = 0.0;
        times.push_back(RefreshToScreen(pane, &waited));
        waits.push_back(waited);
    }
    const Figures total = Summarise(times);
    std::printf("  %-16s %-22s %8.2f %8.2f %8.2f %10.2f   %d of %d\n", pane_name, rows, total.best, total.median,
                total.worst, Summarise(waits).median, counter.count, kRuns);
}

void Measure(const char* name, VarnholtView& pane, PaintCounter& counter, std::int32_t page) {
    // Warm: the rows at a third of the way down, painted once before.
    const auto third = static_cast<std::int32_t>(pane.GetContentView()->GetHeight() / 3);
    pane.Host().ScrollTo(0, third);
    (void)RefreshToScreen(pane);
    Time(name, "warm, same rows", pane, counter, [](int) {});
    // A page further down each time, from two thirds of the way: rows never painted before.
    const auto fresh = static_cast<std::int32_t>(pane.GetContentView()->GetHeight() * 2 / 3);
    Time(name, "a new page each time", pane, counter, [&](int i) { pane.Host().ScrollTo(0, fresh + i * page); });
}

void Run(const char* path, wxFrame& frame) {
    document::Document_xer doc;
    if (!bench::LoadSchedule(path, doc)) return;
    ActivityLayout layout;
    ShapeLayout(layout);
    view::ActivityTableView table;
    bench::ListTable(table, doc, layout);
    view::GanttView chart;
    bench::BindChart(chart, doc, layout, table);

    // The panes are the frame's children; they are not partners, so each refresh paints one.
    auto* table_pane = new VarnholtView(&frame, wxID_ANY);
    auto* chart_pane = new VarnholtView(&frame, wxID_ANY);
    table_pane->SetSize(0, 0, kTableWidth, kTableHeight);
    chart_pane->SetSize(kTableWidth, 0, kChartWidth, kChartHeight);
    PaintCounter table_counter, chart_counter;
    table_pane->PushEventHandler(&table_counter);
    chart_pane->PushEventHandler(&chart_counter);
    table_pane->SetContentView(&table);
    chart_pane->SetContentView(&chart);
    Settle();
    // Once shown, sized again so that the client areas inside the scroll bars have the sizes.
    const wxSize bars = table_pane->GetSize() - table_pane->GetClientSize();
    table_pane->SetSize(0, 0, kTableWidth + bars.x, kTableHeight + bars.y);
    chart_pane->SetSize(kTableWidth + bars.x, 0, kChartWidth + bars.x, kChartHeight + bars.y);
    Settle();

    const wxSize table_size = table_pane->GetClientSize(), chart_size = chart_pane->GetClientSize();
    std::printf("\n%s: %zu activities, %zu rows; client areas %d x %d and %d x %d\n",
                std::filesystem::path(path).filename().c_str(), doc.Tasks().size(), table.GetRowList().Size(),
                table_size.x, table_size.y, chart_size.x, chart_size.y);
    std::printf("  %-16s %-22s %8s %8s %8s %10s   %s\n", "pane", "rows", "best ms", "median", "worst", "sync wait",
                "paints");
    const auto page = static_cast<std::int32_t>(table_size.y - table.GetHeaderHeight());
    Measure("activity table", *table_pane, table_counter, page);
    Measure("Gantt chart", *chart_pane, chart_counter, page);

    table_pane->PopEventHandler();
    chart_pane->PopEventHandler();
    table_pane->SetContentView(nullptr);
    chart_pane->SetContentView(nullptr);
    table_pane->Destroy();
    chart_pane->Destroy();
    Settle();
}

}  // namespace

int main(int argc, char** argv) {
    return bench::RunWithDisplay(argc, argv, "pane_refresh_bench", [](std::span<char* const> files) {
        wxFrame frame(nullptr, wxID_ANY, "bench", wxPoint(0, 0), wxSize(kTableWidth + kChartWidth + 40, kTableHeight + 40));
        frame.Show();
        Settle();
        for (const char* file : files) Run(file, frame);
    });
}
