// activity_table_bench.cpp - times the activity table on generated schedules: building the row
// tree under several groupings (sorted and listed), a click that lists the rows again, one
// paint of a full-screen pane, and the copied text of every row. Prints figures; fails on
// nothing. The paint is timed on the recording backend and, where a display can be had, on a
// wxMemoryDC bitmap; there the table pane (1920 x 1080) and its Gantt chart pane (1200 x 1000)
// are also painted together, through the toolkit's calls and straight on Cairo: the first paint
// after opening, a warm paint, twenty pages down through rows never painted before, and the
// shaped-text cache those leave behind.
//
// Usage: activity_table_bench FILE.xer [FILE.xer ...]   (files from xer_generator)

#include "app/draw/OffscreenPaint.h"
#include "bench/bench_chart.h"
#include "bench/bench_timing.h"
#include "columns/ColumnCatalog.h"
#include "import/Document_xer.h"
#include "layouts/ActivityLayout.h"
#include "model/CaptionCatalog.h"
#include "views/core/RecordingPane.h"
#include "views/core/RowList.h"
#include "views/gantt/GanttView.h"
#include "views/grid/ActivityTableView.h"

#include <malloc.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using namespace varnholt;
using bench::BestOf;
using bench::Clock;
using bench::MillisecondsSince;

struct Grouping {
    const char* name;
    std::int32_t column;  // 0: none
    bool include_all;
    std::int32_t date_unit;
};

constexpr Grouping kGroupings[] = {
    {"ungrouped", 0, false, 0},           {"WBS path", 152, true, 0},
    {"code Phase", 500001, false, 0},     {"user field Discipline", 100001, false, 0},
    {"weekly start", 82, false, 3},       {"primary resource", 147, false, 0},
};

void Shape(ActivityLayout& layout, const Grouping& grouping) {
    GroupSortBy& sort = *layout.GetGroupSortBy();
    sort.group_bys.clear();
    if (grouping.column != 0) {
        GroupBy& entry = sort.AddGroupBy(grouping.column);
        entry.include_all = grouping.include_all;
        entry.date_unit = grouping.date_unit;
    }
}

constexpr int kTableWidth = 1920, kTableHeight = 1080;
constexpr int kChartWidth = 1200, kChartHeight = 1000;

std::size_t HeapInUse() { return mallinfo2().uordblks; }

// One paint of both panes at the vertical position, in milliseconds of drawing.
double PaintBoth(OffscreenPainter& painter, view::View& table, view::View& chart, std::int32_t y) {
    const auto chart_x = static_cast<std::int32_t>(std::max(0.0f, chart.GetWidth() / 2 - kChartWidth / 2));
    return painter.Paint(table, kTableWidth, kTableHeight, 0, y, 0) +
           painter.Paint(chart, kChartWidth, kChartHeight, chart_x, y, 1);
}

// The table beside its chart, both ways of drawing: first paint, warm paint, twenty new pages.
void PaintPanes(OffscreenPainter& painter, document::Document& doc, ActivityLayout& layout,
                view::ActivityTableView& table) {
    bench::AddCurrentBar(*layout.GetGanttBars());
    layout.GetTimescale()->unit = 5;
    view::GanttView chart;
    chart.SetDocument(&doc);
    chart.SetLayout(&layout);
    chart.SetCompanion(&table);
    chart.Update();
    const auto page = static_cast<std::int32_t>(kTableHeight - table.GetHeaderHeight());
    std::printf("  table %d x %d + chart %d x %d       first ms   warm ms  page mean  page max   cached texts, text KB, heap MB\n",
                kTableWidth, kTableHeight, kChartWidth, kChartHeight);
    for (const bool toolkit_only : {true, false}) {
        painter.SetToolkitOnly(toolkit_only);
        painter.DropCaches();
        const std::size_t heap_before = HeapInUse();
        const double first = PaintBoth(painter, table, chart, 0);
        double warm = 1e300;
        for (int i = 0; i < 5; ++i) warm = std::min(warm, PaintBoth(painter, table, chart, 0));
        // From a third of the way down, where nothing has been painted yet.
        const auto start = static_cast<std::int32_t>(table.GetHeight() / 3);
        double total = 0.0, worst = 0.0;
        for (int i = 1; i <= 20; ++i) {
            const double ms = PaintBoth(painter, table, chart, start + i * page);
            total += ms;
            worst = std::max(worst, ms);
        }
        const double heap_mb = (static_cast<double>(HeapInUse()) - static_cast<double>(heap_before)) / (1024.0 * 1024.0);
        std::printf("  %-37s %9.2f %9.2f %10.2f %9.2f   %zu + %zu, %.0f, %.1f\n",
                    toolkit_only ? "through the toolkit's calls" : "straight on Cairo", first, warm, total / 20, worst,
                    painter.CachedTexts(0), painter.CachedTexts(1),
                    static_cast<double>(painter.CachedTextBytes(0) + painter.CachedTextBytes(1)) / 1024.0, heap_mb);
    }
    painter.SetToolkitOnly(false);
}

void Run(const char* path, OffscreenPainter& painter) {
    ColumnCatalog::Instance().BuildAllColumns();
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    document::Document_xer doc;
    if (!doc.LoadBytes(bytes)) {
        std::fprintf(stderr, "cannot read %s\n", path);
        return;
    }
    const double n = static_cast<double>(doc.Tasks().size());
    const double n_log_n = n * std::log2(std::max(2.0, n));
    std::printf("\n%s: %zu activities\n", std::filesystem::path(path).filename().c_str(), doc.Tasks().size());

    ActivityLayout layout;
    bench::SetColumns(layout, {{130, 90.0f}, {132, 250.0f}, {82, 90.0f}, {70, 90.0f}, {85, 80.0f},
                               {147, 100.0f}, {100001, 100.0f}, {100002, 80.0f}, {500001, 90.0f}});
    view::ActivityTableView table;
    table.SetDocument(&doc);
    table.SetLayout(&layout);

    std::printf("  %-24s %10s %14s %8s\n", "build, sort, list", "ms", "us / N log2 N", "rows");
    for (const Grouping& grouping : kGroupings) {
        Shape(layout, grouping);
        const double ms = BestOf(3, [&] {
            table.DropTree();
            table.Update();
        });
        std::printf("  %-24s %10.1f %14.4f %8zu\n", grouping.name, ms, 1000.0 * ms / n_log_n,
                    table.GetRowList().Size());
    }

    // The WBS-path table from here on, as a planner opens it.
    Shape(layout, kGroupings[1]);
    table.DropTree();
    table.Update();
    view::RecordingPane pane(table, 1920, 1080);
    pane.Paint();
    const double click = BestOf(5, [&] {
        pane.Host().LButtonDown(view::kLeftButtonDown, 400.0f, 100.0f);
        pane.Host().LButtonUp(0, 400.0f, 100.0f);
    });
    const double relist = BestOf(5, [&] { table.Update(); });
    const double paint = BestOf(5, [&] { pane.Paint(); });
    double memory_paint = 0.0;
    if (painter.Ready()) {
        painter.Paint(table, 1920, 1080);  // fonts are sized on the first paint
        memory_paint = 1e300;
        for (int i = 0; i < 5; ++i) memory_paint = std::min(memory_paint, painter.Paint(table, 1920, 1080));
    }
    std::size_t text_size = 0;
    const double copy = BestOf(3, [&] { text_size = table.GetText().size(); });
    std::printf("  click (press, release, update, repaint): %8.2f ms\n", click);
    std::printf("  rows listed again (update):               %8.2f ms\n", relist);
    std::printf("  paint of a 1920 x 1080 pane (recording):  %8.2f ms, %zu primitives\n", paint,
                pane.Backend().Lines().size());
    if (painter.Ready()) {
        std::printf("  paint of a 1920 x 1080 pane (wxMemoryDC): %8.2f ms\n", memory_paint);
    } else {
        std::printf("  paint of a 1920 x 1080 pane (wxMemoryDC): no display\n");
    }
    std::printf("  copied text of %zu rows:               %8.1f ms, %zu characters\n", table.GetRowList().Size(),
                copy, text_size);
    if (painter.Ready()) PaintPanes(painter, doc, layout, table);
    table.DropTree();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: activity_table_bench FILE.xer [FILE.xer ...]\n");
        return 2;
    }
    CaptionCatalog::Instance().ChooseLanguage(L"ENU");
    OffscreenPainter painter;
    for (int i = 1; i < argc; ++i) Run(argv[i], painter);
    return 0;
}
