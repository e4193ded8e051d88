// Group summaries: earliest and latest dates, totals, working time between summary dates, the
// group name and calendar cells, the cache, and the calendars groups work on.

#include "grid_test_support.h"

#include "model/s_dur.h"
#include "model/s_unit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

namespace varnholt::view {
namespace {

using namespace testing_support;
using namespace view::testing;

enum class Kind { activity, wbs, obs, project };

class GroupSummaries : public HandBuiltDocumentTest {
protected:
    GroupRow& Group(Kind kind, std::vector<std::unique_ptr<Row>> rows = {}) {
        const s_string key(L"key");
        std::unique_ptr<GroupItem> item;
        if (kind == Kind::activity) item = ActivityGroupItem::ForValue(m_entry, &doc, key, nullptr);
        if (kind == Kind::wbs) item = std::make_unique<WBSGroupItem>(m_entry, &doc, key);
        if (kind == Kind::obs) item = std::make_unique<OBSGroupItem>(m_entry, &doc, key, nullptr);
        if (kind == Kind::project) item = std::make_unique<ProjectGroupItem>(m_entry, &doc, key);
        GroupRow& group = Append(m_root, std::make_unique<GroupRow>(std::move(item)));
        for (auto& row : rows) Append(group, std::move(row));
        return group;
    }
    // An activity group over new activities on the calendar, each set up by the caller.
    template <class... SetUp>
    GroupRow& Activities(CalendarRecord* calendar, SetUp... set_up) {
        std::vector<std::unique_ptr<Row>> rows;
        for (const auto& fill : {std::function<void(TaskRecord&)>(set_up)...}) {
            TaskRecord* task = AddActivity(doc, nullptr, static_cast<std::uint32_t>(doc.Tasks().size() + 1), L"A");
            task->calendar = calendar;
            fill(*task);
            rows.push_back(std::make_unique<ActivityRow>(task));
        }
        return Group(Kind::activity, std::move(rows));
    }
    static s_date Marked(s_date date, std::int32_t mark) {
        date.mark = mark;
        return date;
    }

    const GroupBy m_entry = Entry(132);
    RootRow m_root;
};

TEST_F(GroupSummaries, EarliestAndLatestDates) {
    GroupRow& tasks = Activities(
        nullptr, [](TaskRecord& t) { t.end_date = t.act_end_date = Day(5, 17); t.start_date = Marked(Day(3), s_date::kConstrainedStart); },
        [](TaskRecord& t) { t.end_date = Marked(Day(7, 17), s_date::kActualFinish); t.act_end_date = Day(6, 17); },
        [](TaskRecord&) {});
    std::vector<std::unique_ptr<Row>> wbs_rows;
    wbs_rows.push_back(ValueRow::With(429, Marked(Day(7, 17), s_date::kActualFinish)));
    wbs_rows.push_back(ValueRow::With(429, Day(4, 17)));
    GroupRow& elements = Group(Kind::wbs, std::move(wbs_rows));
    struct Case { const char* why; const GroupRow& group; std::int32_t field; const wchar_t* shown; } const cases[] = {
        {"a missing finish does not hide the others' latest", tasks, 70, L"7-Mar-2025"},
        {"one missing actual finish leaves the group without one", tasks, 53, L""},
        {"the earliest start without its constraint mark", tasks, 82, L"3-Mar-2025"},
        {"WBS groups keep the mark", elements, 429, L"7-Mar-2025 A"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(c.group.GetFieldValue(c.field).to_string(), c.shown);
    }
}

TEST_F(GroupSummaries, TotalsNamesAndTheCache) {
    CalendarRecord* night = AddCalendar(doc, L"Night", 10, 50);
    GroupRow& group = Activities(
        night, [](TaskRecord& t) { t.row_count = s_int(2); t.act_work_qty = s_unit(10.0, s_unit::kQuantity); },
        [](TaskRecord& t) { t.row_count = s_int(3); t.act_work_qty = s_unit(20.5, s_unit::kQuantity); }, [](TaskRecord&) {});
    const auto& quantity = static_cast<const s_unit&>(group.GetFieldValue(194));
    EXPECT_DOUBLE_EQ(quantity.value, 30.5);
    EXPECT_EQ(quantity.factors->hours_per_day, 10) << "the group calendar's hours";
    EXPECT_EQ(group.GetFieldValue(138).to_string(), L"Night");
    EXPECT_EQ(group.GetFieldValue(213).to_string(), L"key");
    const s_val& count = group.GetFieldValue(167);
    EXPECT_EQ(count.to_string(), L"5");
    Append(group, std::make_unique<ActivityRow>(doc.Tasks().front().get()));
    EXPECT_EQ(&group.GetFieldValue(167), &count) << "the first answer stays";

    GroupRow& empty = Group(Kind::activity);
    EXPECT_TRUE(s_val::is_null_value(&empty.GetFieldValue(70)));
    EXPECT_EQ(empty.GetFieldValue(167).to_string(), L"0");
    EXPECT_TRUE(empty.GetFieldValue(138).is_string() && empty.GetFieldValue(138).to_string().empty());
}

TEST_F(GroupSummaries, DurationsAreWorkingTimeOnTheGroupCalendar) {
    // Eight working hours a day, Monday to Friday, but 7.5 hours per day for conversions, so
    // that whoever takes the calendar's hours shows it.
    CalendarRecord* standard = AddCalendar(doc, kStandardCalendarName, 7.5);
    struct Case {
        const char* why;
        Kind kind;
        std::int32_t field;
        std::vector<std::pair<s_date, s_date>> spans;  // per row
        bool blank;
        double hours, hours_per_day;
    } const cases[] = {
        {"Monday morning to Friday night", Kind::activity, 85, {{Day(3), Day(5, 17)}, {Day(4), Day(7, 17)}}, false, 40, 7.5},
        {"early finish after late finish", Kind::activity, 92, {{Day(7, 17), Day(5, 17)}}, false, -16, 7.5},
        {"no late finish", Kind::activity, 92, {{Day(5, 17), s_date()}}, true, 0, 8},
        {"a start without a finish", Kind::activity, 85, {{Day(3), s_date()}}, false, 0, 7.5},
        {"finishes without starts", Kind::activity, 85, {{s_date(), Day(5, 17)}, {s_date(), Day(7, 17)}}, true, 0, 8},
        {"neither start nor finish", Kind::activity, 85, {{s_date(), s_date()}}, false, 0, 7.5},
        {"a WBS group", Kind::wbs, 436, {{Day(3), Day(4, 17)}}, false, 16, 7.5},
        {"a WBS group without a start", Kind::wbs, 436, {{s_date(), Day(4, 17)}}, true, 0, 8},
        {"an OBS group keeps the default hours", Kind::obs, 436, {{Day(3), Day(4, 17)}}, false, 16, 8},
        {"a project group", Kind::project, 281, {{Day(3), Day(3, 17)}}, false, 8, 7.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        std::vector<std::unique_ptr<Row>> rows;
        for (const auto& [start, finish] : c.spans) {
            if (c.kind == Kind::activity) {
                TaskRecord* task = AddActivity(doc, nullptr, 1, L"A");
                task->calendar = standard;
                (c.field == 92 ? task->early_end_date : task->start_date) = start;
                (c.field == 92 ? task->late_end_date : task->end_date) = finish;
                rows.push_back(std::make_unique<ActivityRow>(task));
                continue;
            }
            auto row = ValueRow::With(c.kind == Kind::project ? 279 : 434, start);
            row->fields[c.kind == Kind::project ? 271 : 429] = finish.clone();
            rows.push_back(std::move(row));
        }
        const auto& duration = static_cast<const s_dur&>(Group(c.kind, std::move(rows)).GetFieldValue(c.field));
        EXPECT_EQ(duration.blank != 0, c.blank);
        EXPECT_DOUBLE_EQ(duration.value, c.hours);
        EXPECT_EQ(duration.factors->hours_per_day, c.hours_per_day);
    }
    ColumnCatalog::Instance().ClearPresent();  // a file without the calendar column
    const auto& unplanned = static_cast<const s_dur&>(
        Activities(standard, [](TaskRecord& t) { t.start_date = Day(3); t.end_date = Day(4, 17); }).GetFieldValue(85));
    EXPECT_EQ(unplanned.blank, 1);
}

// The rows come in whatever order the user last sorted them; a summary reads the same either
// way round.
TEST_F(GroupSummaries, SummariesDoNotHangOnTheRowsOrder) {
    const auto value = [](std::int32_t field, const s_val& v) -> std::function<std::unique_ptr<Row>()> {
        return [field, copy = std::shared_ptr<const s_val>(v.clone().release(), s_val_deleter())] {
            return std::unique_ptr<Row>(ValueRow::With(field, *copy));
        };
    };
    const auto no_value = [] { return std::unique_ptr<Row>(std::make_unique<ValueRow>()); };
    const auto work = [&](double hours) { return value(194, s_unit(hours, s_unit::kQuantity)); };
    struct Case {
        const char* why;
        Kind kind;
        std::int32_t field;
        std::vector<std::function<std::unique_ptr<Row>()>> rows;
        const wchar_t* shown;
    } const cases[] = {
        {"equal finishes: the one without a mark", Kind::wbs, 429,
         {value(429, Marked(Day(7, 17), s_date::kActualFinish)), value(429, Day(7, 17))}, L"7-Mar-2025"},
        {"a row without an actual finish, such as an empty group", Kind::activity, 53,
         {value(53, Day(5, 17)), no_value}, L""},
        {"work of very different sizes", Kind::activity, 194, {work(1e20), work(-1e20), work(8000.0)}, L"1000"},
        {"small work between large amounts that cancel", Kind::activity, 194, {work(1e17), work(8.0), work(-1e17), work(8.0)}, L"2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        for (const bool reversed : {false, true}) {
            std::vector<std::unique_ptr<Row>> rows;
            for (const auto& make : c.rows) rows.push_back(make());
            if (reversed) std::reverse(rows.begin(), rows.end());
            EXPECT_EQ(Group(c.kind, std::move(rows)).GetFieldValue(c.field).to_string(), c.shown) << reversed;
        }
    }
}

TEST_F(GroupSummaries, GroupCalendarsAreTheOneCalendarOfTheirRows) {
    CalendarRecord* standard = AddCalendar(doc, kStandardCalendarName);
    CalendarRecord* day = AddCalendar(doc, L"Day");
    CalendarRecord* night = AddCalendar(doc, L"Night");
    ProjectRecord* bare = AddProject(doc, 9, L"BARE");  // no top WBS element
    struct Case {
        const char* why;
        Kind kind;
        std::vector<const CalendarRecord*> calendars;  // per row's element; null: none
        const CalendarRecord* expected;
        bool odd_row = false;  // a nested group row, or a project without a top element
    } const cases[] = {
        {"one calendar", Kind::wbs, {day, day}, day},
        {"mixed calendars", Kind::wbs, {day, night}, standard},
        {"no rows", Kind::wbs, {}, standard},
        {"a nested group row", Kind::wbs, {day}, standard, true},
        {"projects on one calendar", Kind::project, {night, night}, night},
        {"a project without a top element", Kind::project, {night}, standard, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        std::vector<std::unique_ptr<Row>> rows;
        for (const CalendarRecord* calendar : c.calendars) {
            ProjectRecord* project = AddProject(doc, 1, L"P");
            AddWbs(doc, project, nullptr, 1, L"W")->summary_calendar = calendar;
            if (c.kind == Kind::wbs) rows.push_back(std::make_unique<WBSRow>(doc.ProjWbs().back().get()));
            else rows.push_back(std::make_unique<ProjectRow>(project));
        }
        if (c.odd_row && c.kind == Kind::wbs)
            rows.push_back(std::make_unique<GroupRow>(std::make_unique<WBSGroupItem>(m_entry, &doc, s_string(L""))));
        if (c.odd_row && c.kind == Kind::project) rows.push_back(std::make_unique<ProjectRow>(bare));
        GroupRow& group = Group(c.kind, std::move(rows));
        const GroupItem& item = group.GetItem();
        EXPECT_EQ(c.kind == Kind::wbs ? static_cast<const WBSGroupItem&>(item).GetSummaryCalendar(group.children)
                                      : static_cast<const ProjectGroupItem&>(item).GetSummaryCalendar(group.children),
                  c.expected);
    }
}

}  // namespace
}  // namespace varnholt::view
