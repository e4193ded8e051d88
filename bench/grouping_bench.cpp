// grouping_bench.cpp - groups the activity rows of XER files the way the activity table does
// (each row to the first matching group of its parent, found through a GroupIndex; groups in
// their fixed order) and sorts the rows by two keys. Prints, per file and grouping, the
// milliseconds and the milliseconds per N log2 N, which should stay flat as files grow.
//
// Usage: grouping_bench FILE.xer [FILE.xer ...]   (files from xer_generator)

#include "columns/ColumnCatalog.h"
#include "import/Document_xer.h"
#include "model/CaptionCatalog.h"
#include "model/records/TaskRecord.h"
#include "rows/ActivityRow.h"
#include "rows/RecordRows.h"
#include "views/grid/ActivityGroupOrders.h"
#include "views/grid/GroupIndex.h"
#include "views/grid/SortList.h"
#include "views/grid/StableSortRows.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

namespace {

using namespace varnholt;
using namespace varnholt::view;

constexpr std::int32_t kPrimaryResource = 147;

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void Report(const char* what, std::size_t rows, std::size_t groups, double ms) {
    const double n = static_cast<double>(rows);
    std::printf("  %-34s %8zu groups %9.1f ms %12.3e ms/(N log2 N)\n", what, groups, ms, ms / (n * std::log2(n)));
}

// One grouping level over every activity under the root, as the activity table builds it,
// then the level's fixed order.
void GroupActivities(const document::Document& doc, const GroupBy& entry, RootRow& root) {
    const ColumnDef* column = ColumnCatalog::Instance().FindAnyByColumnId(static_cast<std::uint32_t>(entry.field));
    GroupIndex index(entry);
    for (const auto& task : doc.Tasks()) {
        auto row = std::make_unique<ActivityRow>(task.get());
        GroupRow* group = index.Find(*row);
        if (group == nullptr) {
            std::unique_ptr<ActivityGroupItem> item;
            if (column != nullptr && column->field_id == kPrimaryResource)
                item = ActivityGroupItem::ForResource(entry, &doc, row->GetFieldValue(kPrimaryResource), task->resource);
            else
                item = ActivityGroupItem::ForValue(entry, &doc, column != nullptr ? GroupItem::GroupingValue(*row, *column)
                                                                                  : s_val::null_value(), task.get());
            group = static_cast<GroupRow*>(&root.AddChild(std::make_unique<GroupRow>(std::move(item))));
            index.Add(*group);
        }
        group->AddChild(std::move(row));
    }
    if (column != nullptr && column->field_id == kPrimaryResource) StableSortRows(root.children, LessByResource);
    else StableSortRows(root.children, CompareActivities(entry));
}

std::int32_t ColumnIdOf(const wchar_t* caption) {
    const ColumnDef* column = ColumnCatalog::Instance().FindActivityByCaption(caption);
    return column != nullptr ? static_cast<std::int32_t>(column->column_id) : 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: grouping_bench FILE.xer [FILE.xer ...]\n");
        return 2;
    }
    CaptionCatalog::Instance().ChooseLanguage(L"ENU");
    for (int i = 1; i < argc; ++i) {
        ColumnCatalog::Instance().BuildAllColumns();  // as each new layout store does
        document::Document_xer doc;
        if (!doc.Load(argv[i])) {
            std::fprintf(stderr, "cannot load %s\n", argv[i]);
            return 1;
        }
        const std::size_t n = doc.Tasks().size();
        std::printf("%s: %zu activities\n", argv[i], n);
        struct Grouping {
            const char* what;
            GroupBy entry;
        };
        Grouping groupings[] = {
            {"code \"Area\" (two in three without)", {ColumnIdOf(L"Area"), false, kGroupDateNone}},
            {"user field \"Discipline\"", {ColumnIdOf(L"Discipline"), false, kGroupDateNone}},
            {"primary resource", {kPrimaryResource, false, kGroupDateNone}},
            {"start, weekly", {82, false, kGroupDateWeek}},
            {"start, monthly", {82, false, kGroupDateMonth}},
            {"activity id (one value each)", {130, false, kGroupDateNone}},
        };
        for (const Grouping& grouping : groupings) {
            RootRow root;  // dropped after the timing, as a table keeps its tree
            const auto start = std::chrono::steady_clock::now();
            GroupActivities(doc, grouping.entry, root);
            Report(grouping.what, n, root.children.size(), MillisecondsSince(start));
        }

        RootRow root;
        for (const auto& task : doc.Tasks()) root.AddChild(std::make_unique<ActivityRow>(task.get()));
        GroupSortBy sort;
        sort.AddSortBy(82, kSortAscending);
        sort.AddSortBy(132, kSortDescending);
        const auto start = std::chrono::steady_clock::now();
        SortList::Sort(root.children, sort);
        Report("sort by start, then name descending", n, 0, MillisecondsSince(start));
    }
    return 0;
}
