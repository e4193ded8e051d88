// wbs_table_bench.cpp - times the WBS and project tables on generated schedules: building and
// listing the WBS table in each arrangement and grouped by a column with a value of its own
// per element, one paint of the table and its Gantt chart in a full-screen window, and the
// project table's build. Prints figures; fails on nothing.
//
// Usage: wbs_table_bench FILE.xer [FILE.xer ...]   (files from xer_generator)

#include "bench/bench_chart.h"
#include "bench/bench_timing.h"
#include "columns/ColumnCatalog.h"
#include "import/Document_xer.h"
#include "layouts/GanttBarSet.h"
#include "layouts/TableLayouts.h"
#include "model/records/ProjWbsRecord.h"
#include "model/s_string.h"
#include "views/core/RecordingPane.h"
#include "views/core/RowList.h"
#include "views/grid/ProjectTableView.h"
#include "views/gantt/GanttView.h"
#include "views/grid/WBSTableView.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace {

using namespace varnholt;
using bench::BestOf;

// The WBS element's start and finish, which the Gantt bar spans.
constexpr std::int32_t kWbsStart = 434;
constexpr std::int32_t kWbsFinish = 429;

struct Arrangement {
    const char* name;
    std::int32_t column;  // 0: none
};

constexpr Arrangement kArrangements[] = {
    {"flat", 0},
    {"WBS path", 374},
    {"responsible manager", 473},
    {"status (few groups)", 472},
    {"WBS name (one each)", 510},
};

void GroupOn(GroupSortBy& sort, std::int32_t column) {
    sort.group_bys.clear();
    if (column != 0) sort.AddGroupBy(column);
}

template <class Table>
double Rebuild(Table& table) {
    return BestOf(5, [&] {
        table.DropTree();
        table.Update();
    });
}

void Run(const char* path) {
    ColumnCatalog::Instance().BuildAllColumns();
    document::Document_xer doc;
    if (!bench::LoadSchedule(path, doc)) return;
    // The generator repeats names per project; here each element gets one of its own, so that
    // grouping by name makes as many groups as elements.
    for (std::size_t i = 0; i < doc.ProjWbs().size(); ++i)
        doc.ProjWbs()[i]->wbs_name = s_string(L"Element " + std::to_wstring(i));
    std::printf("\n%s: %zu WBS elements, %zu projects\n", std::filesystem::path(path).filename().c_str(),
                doc.ProjWbs().size(), doc.Projects().size());

    WBSLayout layout;
    for (const auto& [id, width] : {std::pair{374, 120.0f}, {510, 250.0f}, {472, 90.0f}, {473, 120.0f},
                                    {417, 90.0f}, {418, 90.0f}, {377, 70.0f}})
        layout.AddColumn(id, width);
    layout.GetGroupSortBy()->AddSortBy(510, kSortAscending);
    view::WBSTableView table;
    table.SetDocument(&doc);
    table.SetLayout(&layout);

    std::printf("  %-28s %10s %8s\n", "WBS table: build, sort, list", "ms", "rows");
    for (const Arrangement& arrangement : kArrangements) {
        GroupOn(*layout.GetGroupSortBy(), arrangement.column);
        const double ms = Rebuild(table);
        std::printf("  %-28s %10.2f %8zu\n", arrangement.name, ms, table.GetRowList().Size());
    }

    // The WBS path as a planner opens it, the table and its Gantt chart sharing a 1920 x 1080
    // window; the first paint fills the summary caches.
    GroupOn(*layout.GetGroupSortBy(), 374);
    GanttBar& bar = layout.GetGanttBars()->AddBar(L"current", kWbsStart, kWbsFinish, true, true);
    bar.mid_rect = std::make_unique<GanttBarShape>();
    bar.mid_rect->shape = 1;
    table.DropTree();
    table.Update();
    view::GanttView chart;
    bench::BindChart(chart, doc, layout, table);
    view::RecordingPane table_pane(table, 720, 1000);
    view::RecordingPane chart_pane(chart, 1200, 1000);
    table_pane.Paint();
    chart_pane.Paint();
    const double table_paint = BestOf(5, [&] { table_pane.Paint(); });
    const double both_paint = BestOf(5, [&] {
        table_pane.Paint();
        chart_pane.Paint();
    });
    std::printf("  paint of the table's 720 x 1000 pane:             %8.2f ms, %zu primitives\n", table_paint,
                table_pane.Backend().Lines().size());
    std::printf("  paint of the table and its 1200 x 1000 Gantt pane: %8.2f ms, %zu primitives\n", both_paint,
                table_pane.Backend().Lines().size() + chart_pane.Backend().Lines().size());
    table.DropTree();

    ProjectLayout project_layout;
    bench::SetColumns(project_layout, {{328, 100.0f}, {330, 250.0f}, {331, 90.0f}, {335, 120.0f}});
    view::ProjectTableView projects;
    projects.SetDocument(&doc);
    projects.SetLayout(&project_layout);
    for (const Arrangement& arrangement : {Arrangement{"projects, flat", 0}, Arrangement{"projects by manager", 335}}) {
        GroupOn(*project_layout.GetGroupSortBy(), arrangement.column);
        const double ms = Rebuild(projects);
        std::printf("  %-28s %10.2f %8zu\n", arrangement.name, ms, projects.GetRowList().Size());
    }
    projects.DropTree();
}

}  // namespace

int main(int argc, char** argv) { return varnholt::bench::RunOnFiles(argc, argv, "wbs_table_bench", Run); }
