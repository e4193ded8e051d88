// Group summaries: earliest and latest dates, totals, working time between summary dates,
// the group name and calendar cells, the cache, and the calendars that groups work on.

#include "grid_test_support.h"

#include "model/records/CalendarRecord.h"
#include "model/s_dur.h"
#include "model/s_unit.h"

#include <gtest/gtest.h>

namespace varnholt::view {
namespace {

using namespace testing_support;
using namespace view::testing;

enum class Kind { activity, wbs, obs, project };

class GroupSummaries : public HandBuiltDocumentTest {
protected:
    // A group row of the kind under the root, holding the given rows.
    GroupRow& Group(Kind kind, std::vector<std::unique_ptr<Row>> rows = {}) {
        std::unique_ptr<GroupItem> item;
        const s_string key(L"key");
        switch (kind) {
        case Kind::activity: item = ActivityGroupItem::ForValue(m_entry, &doc, key, nullptr); break;
        case Kind::wbs: item = std::make_unique<WBSGroupItem>(m_entry, &doc, key); break;
        case Kind::obs: item = std::make_unique<OBSGroupItem>(m_entry, &doc, key, nullptr); break;
        case Kind::project: item = std::make_unique<ProjectGroupItem>(m_entry, &doc, key); break;
        }
        GroupRow& group = Append(m_root, std::make_unique<GroupRow>(std::move(item)));
        for (auto& row : rows) Append(group, std::move(row));
        return group;
    }
    GroupRow& ActivityGroup(const std::vector<TaskRecord*>& tasks) {
        std::vector<std::unique_ptr<Row>> rows;
        for (TaskRecord* task : tasks) rows.push_back(std::make_unique<ActivityRow>(task));
        return Group(Kind::activity, std::move(rows));
    }
    TaskRecord* Task(CalendarRecord* calendar = nullptr) {
        TaskRecord* task = AddActivity(doc, nullptr, ++m_tasks, L"A");
        task->calendar = calendar;
        return task;
    }
    static s_date Marked(s_date date, std::int32_t mark) {
        date.mark = mark;
        return date;
    }

    const GroupBy m_entry = Entry(132);
    RootRow m_root;
    std::uint32_t m_tasks = 0;
};

TEST_F(GroupSummaries, EarliestAndLatestDates) {
    TaskRecord* a = Task();
    TaskRecord* b = Task();
    TaskRecord* c = Task();  // no finish, no actual finish
    a->end_date = Day(5, 17);
    b->end_date = Marked(Day(7, 17), s_date::kActualFinish);
    a->act_end_date = Day(5, 17);
    b->act_end_date = Day(6, 17);
    a->start_date = Marked(Day(3), s_date::kConstrainedStart);
    b->start_date = Day(4);
    GroupRow& tasks = ActivityGroup({a, b, c});

    std::vector<std::unique_ptr<Row>> wbs_rows;
    wbs_rows.push_back(ValueRow::With(429, Marked(Day(7, 17), s_date::kActualFinish)));
    wbs_rows.push_back(ValueRow::With(429, Day(4, 17)));
    GroupRow& elements = Group(Kind::wbs, std::move(wbs_rows));

    struct Case {
        const char* why;
        const GroupRow& group;
        std::int32_t field;
        const wchar_t* shown;
    };
    const Case cases[] = {
        {"a missing finish does not hide the others' latest", tasks, 70, L"7-Mar-2025"},
        {"one missing actual finish leaves the group without one", tasks, 53, L""},
        {"the earliest start, without its constraint mark", tasks, 82, L"3-Mar-2025"},
        {"WBS groups keep the mark", elements, 429, L"7-Mar-2025 A"},
        {"a column without dates", tasks, 132, L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(c.group.GetFieldValue(c.field).to_string(), c.shown);
    }
}

TEST_F(GroupSummaries, TotalsCountAndTakeTheGroupCalendarsHours) {
    CalendarRecord* night = AddCalendar(doc, L"Night", 10, 50);
    TaskRecord* a = Task(night);
    TaskRecord* b = Task(night);
    TaskRecord* c = Task(night);
    a->row_count = s_int(2);
    b->row_count = s_int(3);
    a->act_work_qty = s_unit(10.0, s_unit::kQuantity);
    b->act_work_qty = s_unit(20.5, s_unit::kQuantity);
    GroupRow& group = ActivityGroup({a, b, c});

    EXPECT_EQ(group.GetFieldValue(167).to_string(), L"5");
    const auto& quantity = static_cast<const s_unit&>(group.GetFieldValue(194));
    EXPECT_DOUBLE_EQ(quantity.value, 30.5);
    EXPECT_EQ(quantity.factors->hours_per_day, 10);
    EXPECT_EQ(group.GetFieldValue(138).to_string(), L"Night");
    EXPECT_EQ(group.GetFieldValue(213).to_string(), L"key");

    // Asked again after the rows changed: the first answer stays.
    const s_val& first = group.GetFieldValue(167);
    Append(group, std::make_unique<ActivityRow>(a));
    EXPECT_EQ(&group.GetFieldValue(167), &first);
    EXPECT_EQ(first.to_string(), L"5");
}

TEST_F(GroupSummaries, AGroupWithoutRows) {
    GroupRow& group = Group(Kind::activity);
    EXPECT_TRUE(s_val::is_null_value(&group.GetFieldValue(70)));
    EXPECT_EQ(group.GetFieldValue(167).to_string(), L"0");
    EXPECT_TRUE(group.GetFieldValue(138).is_string());
    EXPECT_EQ(group.GetFieldValue(138).to_string(), L"");
    EXPECT_TRUE(s_val::is_null_value(&Group(Kind::project).GetFieldValue(511))) << "projects have no group name";
}

TEST_F(GroupSummaries, DurationsAreWorkingTimeOnTheGroupCalendar) {
    // Eight hours a day, Monday to Friday; its hours per day say 7.5, so whoever takes them shows.
    CalendarRecord* standard = AddCalendar(doc, kStandardCalendarName, 7.5);
    struct Span {
        s_date start, finish;
    };
    struct Case {
        const char* why;
        Kind kind;
        std::int32_t field;
        std::vector<Span> spans;  // per row: start and finish of the field's span
        bool blank;
        double hours;
        double hours_per_day;
        bool no_calendar_column = false;
    };
    const Case cases[] = {
        {"Monday morning to Friday night", Kind::activity, 85, {{Day(3), Day(5, 17)}, {Day(4), Day(7, 17)}}, false, 40, 7.5},
        {"float with the early finish after the late one", Kind::activity, 92, {{Day(7, 17), Day(5, 17)}}, false, -16, 7.5},
        {"float with the early finish before the late one", Kind::activity, 92, {{Day(5, 17), Day(7, 17)}}, false, 16, 7.5},
        {"no late finish", Kind::activity, 92, {{Day(5, 17), s_date()}}, true, 0, 8},
        {"starts missing, finishes set", Kind::activity, 85, {{s_date(), Day(5, 17)}, {s_date(), Day(7, 17)}}, true, 0, 8},
        {"neither start nor finish", Kind::activity, 85, {{s_date(), s_date()}}, false, 0, 7.5},
        {"a file without the calendar column", Kind::activity, 85, {{Day(3), Day(7, 17)}}, true, 0, 8, true},
        {"a WBS group", Kind::wbs, 436, {{Day(3), Day(4, 17)}}, false, 16, 7.5},
        {"a WBS group without starts", Kind::wbs, 436, {{s_date(), Day(4, 17)}}, false, 0, 8},
        {"an OBS group keeps the default hours per day", Kind::obs, 436, {{Day(3), Day(4, 17)}}, false, 16, 8},
        {"a project group", Kind::project, 281, {{Day(3), Day(3, 17)}}, false, 8, 7.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        if (c.no_calendar_column) ColumnCatalog::Instance().ClearPresent();
        std::vector<std::unique_ptr<Row>> rows;
        for (const Span& span : c.spans) {
            if (c.kind == Kind::activity) {
                TaskRecord* task = Task(standard);
                (c.field == 92 ? task->early_end_date : task->start_date) = span.start;
                (c.field == 92 ? task->late_end_date : task->end_date) = span.finish;
                rows.push_back(std::make_unique<ActivityRow>(task));
                continue;
            }
            const bool project = c.kind == Kind::project;
            auto row = ValueRow::With(project ? 279 : 434, span.start);
            row->Field(project ? 271 : 429, span.finish);
            rows.push_back(std::move(row));
        }
        const auto& duration = static_cast<const s_dur&>(Group(c.kind, std::move(rows)).GetFieldValue(c.field));
        EXPECT_EQ(duration.blank != 0, c.blank);
        EXPECT_DOUBLE_EQ(duration.value, c.hours);
        EXPECT_EQ(duration.factors->hours_per_day, c.hours_per_day);
        ColumnCatalog::Instance().BuildAllColumns();
    }
}

TEST_F(GroupSummaries, GroupCalendarsAreTheOneCalendarOfTheirRows) {
    CalendarRecord* standard = AddCalendar(doc, kStandardCalendarName);
    CalendarRecord* day = AddCalendar(doc, L"Day");
    CalendarRecord* night = AddCalendar(doc, L"Night");
    ProjectRecord* without_top = AddProject(doc, 9, L"BARE");
    struct Case {
        const char* why;
        Kind kind;
        std::vector<const CalendarRecord*> calendars;  // per row; null: an element without one
        const CalendarRecord* expected;
        bool add_group_row = false;
        bool add_bare_project = false;
    };
    const Case cases[] = {
        {"one calendar", Kind::wbs, {day, day}, day},
        {"mixed calendars", Kind::wbs, {day, night}, standard},
        {"an element without a calendar", Kind::wbs, {day, nullptr}, standard},
        {"no rows", Kind::wbs, {}, standard},
        {"a nested group row", Kind::wbs, {day}, standard, true},
        {"projects on one calendar", Kind::project, {night, night}, night},
        {"a project without a top element", Kind::project, {night}, standard, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        std::vector<std::unique_ptr<Row>> rows;
        for (const CalendarRecord* calendar : c.calendars) {
            ProjectRecord* project = AddProject(doc, 1, L"P");
            ProjWbsRecord* top = AddWbs(doc, project, nullptr, 1, L"W");
            top->summary_calendar = calendar;
            if (c.kind == Kind::wbs) rows.push_back(std::make_unique<WBSRow>(top));
            else rows.push_back(std::make_unique<ProjectRow>(project));
        }
        if (c.add_bare_project) rows.push_back(std::make_unique<ProjectRow>(without_top));
        GroupRow& group = Group(c.kind, std::move(rows));
        if (c.add_group_row) Append(group, std::make_unique<GroupRow>(std::make_unique<WBSGroupItem>(m_entry, &doc, s_string(L""))));
        const GroupItem& item = group.GetItem();
        const CalendarRecord* found = c.kind == Kind::wbs
                                          ? static_cast<const WBSGroupItem&>(item).GetSummaryCalendar(group.children)
                                          : static_cast<const ProjectGroupItem&>(item).GetSummaryCalendar(group.children);
        EXPECT_EQ(found, c.expected);
    }
}

}  // namespace
}  // namespace varnholt::view
