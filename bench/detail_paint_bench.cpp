// detail_paint_bench.cpp - times one paint of the activity detail pane beside an ungrouped
// activity table that lists every activity of a generated schedule. The detail pane reads its
// master's selected row at every paint, so the figure shows what finding that row costs: with
// the last listed row selected (chosen as a planner does, by a click at the foot of the
// table) and with the first. Prints the median of the paints on the recording backend; fails
// on nothing.
//
// Usage: detail_paint_bench FILE.xer [FILE.xer ...]   (e.g. xer_generator 100000 FILE.xer)

#include "bench/bench_timing.h"
#include "columns/ColumnCatalog.h"
#include "layouts/ActivityLayout.h"
#include "views/core/RecordingPane.h"
#include "views/core/RowList.h"
#include "views/details/ActivityDetailView.h"
#include "views/grid/ActivityTableView.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

using namespace varnholt;
using bench::Clock;
using bench::MillisecondsSince;

constexpr int kPaints = 21;
// The captions of the activity detail pane's tabs, "General" first.
constexpr CaptionId kActivityTabs[] = {51632, 51945, 50749, 50750, 51634, 40117, 40118};

double MedianPaint(view::RecordingPane& pane) {
    std::vector<double> times;
    for (int i = 0; i < kPaints; ++i) {
        const Clock::time_point start = Clock::now();
        pane.Paint();
        times.push_back(MillisecondsSince(start));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A press and release on the row at client height `y` of the table pane, as a planner clicks.
void ClickRow(view::RecordingPane& table_pane, float y) {
    table_pane.Paint();
    table_pane.Host().LButtonDown(view::kLeftButtonDown, 40.0f, y);
    table_pane.Host().LButtonUp(0, 40.0f, y);
}

void Report(const char* which, const view::ActivityTableView& table, const view::Row* expected,
            view::RecordingPane& detail_pane) {
    if (table.GetSelectedRow() != expected) {
        std::printf("  %-22s the click did not select that row\n", which);
        return;
    }
    const double ms = MedianPaint(detail_pane);
    std::printf("  %-22s median %8.3f ms over %d paints, %zu primitives\n", which, ms, kPaints,
                detail_pane.Backend().Lines().size());
}

void Run(const char* path) {
    ColumnCatalog::Instance().BuildAllColumns();
    document::Document_xer doc;
    if (!bench::LoadSchedule(path, doc)) return;
    ActivityLayout layout;
    bench::SetColumns(layout, {{130, 90.0f}, {132, 250.0f}, {82, 90.0f}, {70, 90.0f}});
    view::ActivityTableView table;
    table.SetDocument(&doc);
    table.SetLayout(&layout);
    table.Update();
    const auto& rows = table.GetRowList().Rows();
    std::printf("\n%s: %zu activities, %zu rows listed\n", std::filesystem::path(path).filename().c_str(),
                doc.Tasks().size(), rows.size());
    if (rows.empty()) return;

    view::ActivityDetailView detail;
    detail.SetDocument(&doc);
    detail.SetMaster(&table);
    for (const CaptionId tab : kActivityTabs) detail.AddTab(CaptionCatalog::Instance().Lookup(tab));
    detail.SetCurrentTab(CaptionCatalog::Instance().Lookup(view::kGeneralTabCaption));

    constexpr std::int32_t kTableHeight = 1000;
    view::RecordingPane table_pane(table, 1200, kTableHeight);
    view::RecordingPane detail_pane(detail, 1200, 300);
    table_pane.Host().SetPartners({&detail_pane.Host()});

    // Scrolled to the foot, the last row ends 10 pixels above the pane's bottom edge.
    table_pane.Host().ScrollTo(0, 1 << 30);
    ClickRow(table_pane, static_cast<float>(kTableHeight) - 10.0f - table.GetRowHeight() / 2.0f);
    Report("last row selected:", table, rows.back(), detail_pane);

    table_pane.Host().ScrollTo(0, 0);
    ClickRow(table_pane, table.GetHeaderHeight() + table.GetRowHeight() / 2.0f);
    Report("first row selected:", table, rows.front(), detail_pane);
    table.DropTree();
}

}  // namespace

int main(int argc, char** argv) {
    return bench::RunOnFiles(argc, argv, "detail_paint_bench", [](const char* path) { Run(path); });
}
