// pane_paint_bench.cpp - one paint of the table pane and the Gantt pane of a 1920 x 1080
// window into a wxMemoryDC, through the panes the program shows, over generated schedules
// grouped by WBS, scrolled to the top, the middle and the end. Only the visible rows and
// timescale cells are painted, so the figures should hardly change with the schedule's size.
// Prints figures; fails on nothing; needs a display and says so without one.
//
// Usage: pane_paint_bench FILE.xer [FILE.xer ...]   (files from xer_generator)

#include "app/VarnholtView.h"
#include "bench/bench_chart.h"
#include "bench/bench_panes.h"
#include "bench/bench_timing.h"
#include "columns/field_ids.h"
#include "layouts/ActivityLayout.h"
#include "views/core/RowList.h"
#include "views/gantt/GanttView.h"
#include "views/grid/ActivityTableView.h"

#include <wx/dcmemory.h>
#include <wx/frame.h>

#include <cstdio>
#include <filesystem>
#include <span>

namespace {

using namespace varnholt;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kTableWidth = 800;

void ShapeLayout(ActivityLayout& layout) {
    bench::SetColumns(layout, {{130, 90.0f}, {132, 250.0f}, {82, 90.0f}, {70, 90.0f}, {85, 80.0f}, {147, 100.0f}});
    layout.GetGroupSortBy()->AddGroupBy(kActivityWbsField).include_all = true;
    bench::AddCurrentBar(*layout.GetGanttBars());
}

// The best of five paints of the pane into a bitmap of its size at the vertical position.
double PaintMs(VarnholtView& pane, std::int32_t y) {
    wxBitmap bitmap(pane.GetClientSize().x, pane.GetClientSize().y, 24);
    wxMemoryDC dc(bitmap);
    pane.Host().ScrollTo(0, y);
    pane.RenderTo(dc);  // fonts are made on the first paint
    return bench::BestOf(5, [&] { pane.RenderTo(dc); });
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

    auto* table_pane = new VarnholtView(&frame, wxID_ANY);  // the frame's children
    auto* chart_pane = new VarnholtView(&frame, wxID_ANY);
    table_pane->SetSize(0, 0, kTableWidth, kHeight);
    chart_pane->SetSize(kTableWidth, 0, kWidth - kTableWidth, kHeight);
    table_pane->SetContentView(&table);
    chart_pane->SetContentView(&chart);
    table_pane->SetPartner(chart_pane);
    chart_pane->SetPartner(table_pane);
    (void)PaintMs(*table_pane, 0);
    const std::int32_t end = table_pane->Host().RangeY();

    std::printf("\n%s: %zu activities, %zu rows\n", std::filesystem::path(path).filename().c_str(), doc.Tasks().size(),
                table.GetRowList().Size());
    std::printf("  %-8s %12s %12s\n", "scrolled", "table ms", "Gantt ms");
    const std::pair<const char*, std::int32_t> places[] = {{"top", 0}, {"middle", end / 2}, {"end", end}};
    for (const auto& [name, y] : places) {
        std::printf("  %-8s %12.2f %12.2f\n", name, PaintMs(*table_pane, y), PaintMs(*chart_pane, y));
    }
    table_pane->SetContentView(nullptr);
    chart_pane->SetContentView(nullptr);
    table_pane->Destroy();
    chart_pane->Destroy();
}

}  // namespace

int main(int argc, char** argv) {
    return bench::RunWithDisplay(argc, argv, "pane_paint_bench", [](std::span<char* const> files) {
        wxFrame frame(nullptr, wxID_ANY, "bench", wxDefaultPosition, wxSize(kWidth, kHeight));
        for (const char* file : files) Run(file, frame);
    });
}
