// group_spans_count.cpp - counts, per schedule, the activity groups (grouped by WBS, every group
// listed) whose calendar is found, and among them the durations left blank although the group
// row shows both dates of their span: Start to Finish, the planned dates, the remaining dates,
// and the early and late finishes of the total float. The last figure should be 0. Then, over the
// WBS table's elements whose summary calendar is found, the durations (At Completion, Remaining,
// Actual) left blank where neither end of their span has a date (should be 0), and those left
// blank where only the start is empty (the count would run from 1970).
//
// Usage: group_spans_count FILE.xer [FILE.xer ...]

#include "bench/bench_timing.h"
#include "columns/ColumnCatalog.h"
#include "columns/field_ids.h"
#include "import/Document_xer.h"
#include "layouts/ActivityLayout.h"
#include "model/derived/working_time.h"
#include "model/records/ProjWbsRecord.h"
#include "model/s_dur.h"
#include "model/s_string.h"
#include "views/core/RowList.h"
#include "views/grid/ActivityTableView.h"
#include "views/grid/GroupItem.h"

#include <cstdio>
#include <string>

namespace {

using namespace varnholt;

constexpr std::int32_t kWbsPathColumn = 152;

struct Span {
    std::int32_t duration, start, end;
};
constexpr Span kSpans[] = {{85, 82, 70}, {89, 74, 73}, {90, 77, 76}, {92, 65, 71}};
constexpr Span kWbsSpans[] = {{435, 418, 512}, {436, 434, 429}, {438, 433, 432}};

void CountWbsCells(const char* path, const document::Document_xer& doc) {
    std::size_t elements = 0, both_empty = 0, start_empty = 0;
    for (const auto& wbs : doc.ProjWbs()) {
        if (wbs->summary_calendar == nullptr) continue;
        ++elements;
        for (const Span& span : kWbsSpans) {
            if (!wbs->GetFieldValue(span.duration)->to_string().empty()) continue;
            const bool start_set = SpanEndSeconds(wbs->GetFieldValue(span.start)) > 0;
            const bool end_set = SpanEndSeconds(wbs->GetFieldValue(span.end)) > 0;
            if (!start_set && !end_set) ++both_empty;
            if (!start_set && end_set) ++start_empty;
        }
    }
    std::printf("%s: %zu WBS elements with their calendar found; blank durations with neither date %zu, with "
                "only the start empty %zu\n",
                path, elements, both_empty, start_empty);
}

void Run(const char* path) {
    ColumnCatalog::Instance().BuildAllColumns();
    document::Document_xer doc;
    if (!bench::LoadSchedule(path, doc)) return;
    ActivityLayout layout;
    layout.AddColumn(130, 90.0f);
    layout.GetGroupSortBy()->AddGroupBy(kWbsPathColumn).include_all = true;
    view::ActivityTableView table;
    table.SetDocument(&doc);
    table.SetLayout(&layout);
    table.Update();

    std::size_t groups = 0, with_calendar = 0, groups_with_blank = 0, blank_spans = 0;
    for (const view::Row* row : table.GetRowList().Rows()) {
        if (!row->IsGroupRow()) continue;
        ++groups;
        const std::wstring name = row->GetFieldValue(kCalendarField).to_string();
        if (doc.FindCalendarByName(s_string(name.empty() ? view::kStandardCalendarName : std::wstring_view(name))) == nullptr)
            continue;
        ++with_calendar;
        std::size_t blank_here = 0;
        for (const Span& span : kSpans) {
            const bool dates_shown = !row->GetFieldValue(span.start).to_string().empty() &&
                                     !row->GetFieldValue(span.end).to_string().empty();
            if (dates_shown && row->GetFieldValue(span.duration).to_string().empty()) ++blank_here;
        }
        blank_spans += blank_here;
        if (blank_here > 0) ++groups_with_blank;
    }
    std::printf("%s: %zu activities, %zu groups, %zu with their calendar found; of these %zu show both dates "
                "of a span and no duration (%zu durations)\n",
                path, doc.Tasks().size(), groups, with_calendar, groups_with_blank, blank_spans);
    table.DropTree();
    CountWbsCells(path, doc);
}

}  // namespace

int main(int argc, char** argv) { return bench::RunOnFiles(argc, argv, "group_spans_count", Run); }
