// print_bench.cpp - times printing on generated schedules: the page set-up and page count of
// the whole activity table grouped by WBS beside its Gantt chart on A4 at 100 %, and the
// drawing of one page's table and chart tiles at the print scale (the last column page beside
// the chart, a middle row page) through the recording backend and, where a display can be had,
// into a wxMemoryDC. Prints figures; fails on nothing.
//
// Usage: print_bench FILE.xer [FILE.xer ...]   (files from xer_generator)

#include "bench/bench_chart.h"
#include "app/draw/OffscreenPaint.h"
#include "bench/bench_timing.h"
#include "columns/ColumnCatalog.h"
#include "columns/field_ids.h"
#include "layouts/ActivityLayout.h"
#include "layouts/layout_records.h"
#include "shell/print/ViewPrintMeasure.h"
#include "shell/print/page_setup.h"
#include "shell/print/page_tiles.h"
#include "shell/print/print_scale.h"
#include "views/core/RecordingPane.h"
#include "views/core/RowList.h"
#include "views/gantt/GanttView.h"
#include "views/grid/ActivityTableView.h"

#include <cstdio>
#include <filesystem>

namespace {

using namespace varnholt;
using bench::BestOf;

// A4 at 600 dpi, the screen at 96.
constexpr print::PaperMeasures kA4{210, 297, 4961, 7016, 600, 600, 96, 96};

void Run(const char* path, OffscreenPainter& painter) {
    ColumnCatalog::Instance().BuildAllColumns();
    document::Document_xer doc;
    if (!bench::LoadSchedule(path, doc)) return;
    std::printf("\n%s: %zu activities\n", std::filesystem::path(path).filename().c_str(), doc.Tasks().size());

    ActivityLayout layout;
    bench::SetColumns(layout, {{130, 90.0f}, {132, 250.0f}, {82, 90.0f}, {70, 90.0f}, {85, 80.0f}, {147, 100.0f}});
    layout.GetGroupSortBy()->AddGroupBy(kActivityWbsField).include_all = true;
    layout.GetTimescale()->unit = 4;
    view::ActivityTableView table;
    bench::ListTable(table, doc, layout);
    view::GanttView chart;
    bench::BindChart(chart, doc, layout, table);

    PrintSettings settings;
    settings.startDate = chart.GetStartDate();
    settings.endDate = chart.GetEndDate();
    print::ViewPrintMeasure measure(&table, &chart, 1000);
    print::PageGeometry page;
    print::JobPlan plan;
    const double count = BestOf(5, [&] {
        page = print::SetUpPage(settings, kA4);
        plan = print::PlanPrintJob(settings, measure, page);
    });
    const print::Pagination& pages = plan.pagination;
    std::printf("  page set-up and count (%zu rows):  %8.2f ms, %d x %d = %d pages (table %d across)\n",
                table.GetRowList().Size(), count, pages.pages_across, pages.pages_down, plan.pages,
                pages.table_pages_across);

    // The table's last column page, where the chart begins, half-way down the rows.
    const print::Tile tile{pages.table_pages_across - 1, pages.pages_down / 2};
    const auto table_tile = print::TableTileOf(pages, tile);
    const auto chart_tile = print::ChartTileOf(pages, tile, page.width, page.height,
                                               measure.MeasureChart(settings.startDate, settings.endDate), true);
    measure.ApplyScale(plan.scale);
    view::RecordingPane table_pane(table, page.width, page.height);
    view::RecordingPane chart_pane(chart, page.width, page.height);
    if (table_tile) table_pane.Host().ScrollTo(table_tile->origin.x, table_tile->origin.y);
    if (chart_tile) chart_pane.Host().ScrollTo(chart_tile->origin.x, chart_tile->origin.y);
    const double recorded = BestOf(5, [&] {
        table_pane.Paint();
        chart_pane.Paint();
    });
    std::printf("  one page's tiles (recording):      %8.2f ms, %zu + %zu primitives\n", recorded,
                table_pane.Backend().Lines().size(), chart_pane.Backend().Lines().size());
    if (painter.Ready()) {
        const auto paint = [&] {
            double ms = 0.0;
            if (table_tile) ms += painter.Paint(table, page.width, page.height, table_tile->origin.x, table_tile->origin.y);
            if (chart_tile) ms += painter.Paint(chart, page.width, page.height, chart_tile->origin.x, chart_tile->origin.y);
            return ms;
        };
        (void)paint();  // fonts are sized on the first paint
        double best = 1e300;
        for (int i = 0; i < 5; ++i) best = std::min(best, paint());
        std::printf("  one page's tiles (wxMemoryDC):     %8.2f ms\n", best);
    } else {
        std::printf("  one page's tiles (wxMemoryDC):     no display\n");
    }
    measure.ApplyScale(1.0f);
    table.DropTree();
}

}  // namespace

int main(int argc, char** argv) {
    return varnholt::bench::RunOnFiles(argc, argv, "print_bench", [](const char* path) {
        static varnholt::OffscreenPainter painter;
        Run(path, painter);
    });
}
