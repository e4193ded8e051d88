// grouping_bench.cpp - the activity table building its row tree under one grouping at a time
// (each row to the first matching group of its parent, groups in their fixed order, the tree
// listed), and sorted by two keys without grouping. Prints, per file and grouping, the best of
// three builds in milliseconds and the milliseconds per N log2 N, which should stay flat as
// files grow.
//
// Usage: grouping_bench FILE.xer [FILE.xer ...]   (files from xer_generator)

#include "bench/bench_timing.h"
#include "columns/ColumnCatalog.h"
#include "columns/field_ids.h"
#include "import/Document_xer.h"
#include "layouts/ActivityLayout.h"
#include "layouts/GroupSortBy.h"
#include "views/core/RowList.h"
#include "views/grid/ActivityTableView.h"

#include <cmath>
#include <cstdio>

namespace {

using namespace varnholt;
using bench::BestOf;

constexpr std::int32_t kActivityIdField = 130;
constexpr std::int32_t kActivityNameField = 132;

std::int32_t ColumnIdOf(const wchar_t* caption) {
    const ColumnDef* column = ColumnCatalog::Instance().FindActivityByCaption(caption);
    return column != nullptr ? static_cast<std::int32_t>(column->column_id) : 0;
}

// The best of three builds of the table's tree under the layout as it stands.
void Report(const char* what, view::ActivityTableView& table, std::size_t activities) {
    const double ms = BestOf(3, [&] {
        table.DropTree();
        table.Update();
    });
    const double n = static_cast<double>(activities);
    std::printf("  %-34s %8zu rows %9.1f ms %12.3e ms/(N log2 N)\n", what, table.GetRowList().Size(), ms,
                ms / (n * std::log2(n)));
}

void Run(const char* path) {
    ColumnCatalog::Instance().BuildAllColumns();  // as each new layout store does
    document::Document_xer doc;
    if (!bench::LoadSchedule(path, doc)) return;
    const std::size_t n = doc.Tasks().size();
    std::printf("%s: %zu activities\n", path, n);

    ActivityLayout layout;
    layout.AddColumn(kActivityIdField, 90.0f);
    layout.AddColumn(kActivityNameField, 250.0f);
    view::ActivityTableView table;
    table.SetDocument(&doc);
    table.SetLayout(&layout);
    GroupSortBy& order = *layout.GetGroupSortBy();

    struct Grouping {
        const char* what;
        std::int32_t column;
        std::int32_t date_unit;
    };
    const Grouping groupings[] = {
        {"code \"Area\" (two in three without)", ColumnIdOf(L"Area"), kGroupDateNone},
        {"user field \"Discipline\"", ColumnIdOf(L"Discipline"), kGroupDateNone},
        {"primary resource", kPrimaryResourceField, kGroupDateNone},
        {"start, weekly", kStartField, kGroupDateWeek},
        {"start, monthly", kStartField, kGroupDateMonth},
        {"activity id (one value each)", kActivityIdField, kGroupDateNone},
    };
    for (const Grouping& grouping : groupings) {
        order.group_bys.clear();
        order.AddGroupBy(grouping.column).date_unit = grouping.date_unit;
        Report(grouping.what, table, n);
    }

    order.group_bys.clear();
    order.AddSortBy(kStartField, kSortAscending);
    order.AddSortBy(kActivityNameField, kSortDescending);
    Report("sort by start, then name descending", table, n);
    table.DropTree();
}

}  // namespace

int main(int argc, char** argv) { return bench::RunOnFiles(argc, argv, "grouping_bench", Run); }
