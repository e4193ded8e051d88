// filter_tree_test.cpp - filters against rows: selections and groups in their all and any
// forms, conditions on activity fields with the activity's calendar, activity codes,
// user-defined fields and the resource tree.

#include "layouts/FilterSelection.h"
#include "layouts_test_support.h"
#include "model/records/ActvCodeRecord.h"
#include "model/records/CalendarRecord.h"
#include "model/records/RsrcRecord.h"
#include "model/records/TaskRecord.h"
#include "model/s_bool.h"
#include "model/s_doubles.h"
#include "model/s_dur.h"
#include "model/s_enums.h"
#include "model/s_integers.h"
#include "model/s_string.h"
#include "rows/ActivityRow.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

namespace varnholt {
namespace {

using testing_layouts::SketchDocument;
using view::ActivityRow;
using view::FilterArgument;
using view::FilterEntry;
using view::FilterGroup;

constexpr std::int32_t kStatusCode = 133;
constexpr std::int32_t kCriticalFlag = 139;
constexpr std::int32_t kTotalFloat = 92;
constexpr std::int32_t kTaskCode = 130;
constexpr std::int32_t Code(FilterOperator op) { return OperatorCode(op); }

// A group whose outcome the test chooses; it counts how often it was asked.
class FixedGroup final : public FilterGroup {
public:
    FixedGroup(bool outcome, int& asked) : FilterGroup(kMatchAll), m_outcome(outcome), m_asked(asked) {}
    bool Match(const view::Row&) const override {
        ++m_asked;
        return m_outcome;
    }

private:
    bool m_outcome;
    int& m_asked;
};

// A row that is no activity row and answers the values it was given.
class ValueRow final : public view::Row {
public:
    std::map<std::int32_t, const s_val*> fields;
    std::map<std::int32_t, const s_val*> columns;
    const s_val& GetFieldValue(std::int32_t id) const override { return Lookup(fields, id); }
    const s_val& GetCodeValue(std::int32_t id) const override { return Lookup(columns, id); }

private:
    static const s_val& Lookup(const std::map<std::int32_t, const s_val*>& values, std::int32_t id) {
        const auto found = values.find(id);
        return found != values.end() ? *found->second : s_val::null_value();
    }
};

std::unique_ptr<FilterEntry> Condition(std::int32_t field, FilterOperator op, const s_val& argument) {
    auto entry = FilterEntry::ForField(field, Code(op));
    entry->AddArgument(FilterArgument::MakeSingle(argument));
    return entry;
}

std::unique_ptr<NamedFilter> Filter(std::unique_ptr<FilterGroup> condition, std::int32_t id = -1) {
    auto filter = std::make_unique<NamedFilter>(L"filter");
    filter->id = id;
    filter->root = std::make_unique<FilterGroup>(kMatchAny);
    filter->root->AddChild(std::move(condition));
    return filter;
}

class FilterTreeTest : public testing::Test {
protected:
    TaskRecord& AddActivity(std::uint32_t id) {
        TaskRecord* task = doc.NewTask();
        task->task_id = s_unsigned_long(id);
        return *task;
    }

    SketchDocument doc;
};

TEST_F(FilterTreeTest, SelectionPassesARowWhenAllOrAnyFiltersMatch) {
    TaskRecord& task = AddActivity(1);
    task.status_code = s_activity_status(0);  // Completed
    task.critical_flag = s_bool(false);
    const ActivityRow row(&task);
    const auto completed = Filter(Condition(kStatusCode, FilterOperator::equal, s_activity_status(0)), -6);
    const auto critical = Filter(Condition(kCriticalFlag, FilterOperator::equal, s_bool(true)), -4);

    struct Case { const char* why; std::int32_t mode; std::vector<const NamedFilter*> filters; bool passes; };
    const Case cases[] = {
        {"any: one fails, one matches", kMatchAny, {critical.get(), completed.get()}, true},
        {"all: one fails, one matches", kMatchAll, {critical.get(), completed.get()}, false},
        {"all, empty: passes every row", kMatchAll, {}, true},
        {"any, empty: passes no row", kMatchAny, {}, false},
        {"a mode other than 1 means all", 7, {critical.get(), completed.get()}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        FilterSelection selection(c.mode);
        for (const NamedFilter* filter : c.filters) selection.AddFilter(filter);
        EXPECT_EQ(selection.Match(row), c.passes);
    }
}

TEST_F(FilterTreeTest, AFilterWithoutConditionTreeMatchesEveryRow) {
    const ActivityRow row(&AddActivity(1));
    const NamedFilter rootless(L"defined without conditions");
    EXPECT_TRUE(rootless.Match(row));

    int asked = 0;
    const auto failing = Filter(std::make_unique<FixedGroup>(false, asked));
    FilterSelection all(kMatchAll);
    all.AddFilter(&rootless);
    EXPECT_TRUE(all.Match(row));
    all.AddFilter(failing.get());
    EXPECT_FALSE(all.Match(row));
    FilterSelection any(kMatchAny);
    any.AddFilter(failing.get());
    any.AddFilter(&rootless);
    EXPECT_TRUE(any.Match(row));
}

TEST_F(FilterTreeTest, DurationsCompareInHoursOfTheActivitysCalendar) {
    CalendarRecord* calendar = doc.NewCalendar();
    calendar->day_hr_cnt = s_double(8);
    TaskRecord& with_calendar = AddActivity(1);
    with_calendar.calendar = calendar;
    with_calendar.total_float_hr_cnt = s_dur(16);
    TaskRecord& without_calendar = AddActivity(2);
    without_calendar.total_float_hr_cnt = s_dur(2);
    TaskRecord& blank_float = AddActivity(3);

    auto two_days = Condition(kTotalFloat, FilterOperator::equal, s_dur(2));
    two_days->arguments.front()->low_unit = 1;
    EXPECT_TRUE(two_days->Match(ActivityRow(&with_calendar))) << "16 hours are 2 days of 8 hours";
    EXPECT_TRUE(two_days->Match(ActivityRow(&without_calendar))) << "without a calendar a day counts 1 hour";

    const auto negative = Condition(kTotalFloat, FilterOperator::less, s_dur(0));
    const auto not_zero = Condition(kTotalFloat, FilterOperator::not_equal, s_dur(0));
    EXPECT_FALSE(negative->Match(ActivityRow(&blank_float))) << "a blank float is not negative";
    EXPECT_TRUE(not_zero->Match(ActivityRow(&blank_float)));
}

TEST_F(FilterTreeTest, ScaledConditionsNeedAnActivityAndAnArgument) {
    TaskRecord& task = AddActivity(1);
    task.total_float_hr_cnt = s_dur(-4);
    const auto argumentless = FilterEntry::ForField(kTotalFloat, Code(FilterOperator::not_equal));
    EXPECT_FALSE(argumentless->Match(ActivityRow(&task))) << "a duration condition without argument matches none";

    const s_dur hours(-4);
    ValueRow not_an_activity;
    not_an_activity.fields[kTotalFloat] = &hours;
    const auto negative = Condition(kTotalFloat, FilterOperator::less, s_dur(0));
    EXPECT_TRUE(negative->Match(ActivityRow(&task)));
    EXPECT_FALSE(negative->Match(not_an_activity)) << "a row without an activity has no calendar to scale by";

    const auto typed_argumentless = FilterEntry::ForField(kTaskCode, Code(FilterOperator::equal));
    EXPECT_TRUE(typed_argumentless->Match(ActivityRow(&task))) << "a typed condition without argument matches all";
}

TEST_F(FilterTreeTest, ActivityCodeConditions) {
    constexpr std::uint32_t kCodeType = 7;
    constexpr std::int32_t kCodeColumn = 500000 + kCodeType;
    ActvCodeRecord* value = doc.NewActvCode();
    value->short_name = s_string(L"ENG.MECH");
    TaskRecord& coded = AddActivity(1);
    TaskActvRecord* assignment = doc.NewTaskActv();
    assignment->task_id = s_unsigned_long(1);
    assignment->actv_code_type_id = s_unsigned_long(kCodeType);
    assignment->actv_code = value;
    TaskRecord& uncoded = AddActivity(2);
    TaskRecord orphan;  // belongs to no document
    orphan.task_id = s_unsigned_long(1);

    struct Case { const char* why; FilterOperator op; const wchar_t* argument; bool coded, uncoded; } const cases[] = {
        {"= ignores case", FilterOperator::equal, L"eng.mech", true, false},
        {"<> matches the activity without a value", FilterOperator::not_equal, L"ENG.MECH", false, true},
        {"notcontains matches the activity without a value", FilterOperator::notcontains, L"MECH", false, true},
        {"under is a prefix test on codes", FilterOperator::under, L"ENG", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        auto entry = FilterEntry::ForColumn(Code(c.op), kCodeColumn);
        ASSERT_EQ(entry->field, 3);
        entry->AddArgument(FilterArgument::MakeSingle(s_string(c.argument)));
        EXPECT_EQ(entry->Match(ActivityRow(&coded)), c.coded);
        EXPECT_EQ(entry->Match(ActivityRow(&uncoded)), c.uncoded);
        EXPECT_EQ(entry->Match(ActivityRow(&orphan)), c.uncoded) << "without a document no code is found";
    }
}

TEST_F(FilterTreeTest, UserFieldConditionsReadTheRowsColumnValue) {
    const s_string text(L"North yard");
    ValueRow row;
    row.columns[100012] = &text;
    auto entry = FilterEntry::ForColumn(Code(FilterOperator::startswith), 100012);
    ASSERT_EQ(entry->field, 2);
    entry->AddArgument(FilterArgument::MakeSingle(s_string(L"north")));
    EXPECT_TRUE(entry->Match(row));
    EXPECT_TRUE(FilterEntry::ForColumn(Code(FilterOperator::equal), 100013)->Match(row))
        << "without argument even a field the row lacks matches";
    auto on_missing = FilterEntry::ForColumn(Code(FilterOperator::equal), 100013);
    on_missing->AddArgument(FilterArgument::MakeSingle(s_string(L"north yard")));
    EXPECT_FALSE(on_missing->Match(row));
    EXPECT_EQ(FilterEntry::ForColumn(0, 99999)->field, 1);
    EXPECT_EQ(FilterEntry::ForColumn(0, 499999)->field, 2);
}

TEST_F(FilterTreeTest, ResourceUnderFollowsTheResourceTree) {
    auto add_resource = [this](std::uint32_t id, const wchar_t* short_name, RsrcRecord* parent) {
        RsrcRecord* resource = doc.NewRsrc();
        resource->rsrc_id = s_unsigned_long(id);
        resource->rsrc_short_name = s_string(short_name);
        if (parent != nullptr) {
            EXPECT_TRUE(resource->SetParent(parent));
        }
        return resource;
    };
    RsrcRecord* eng = add_resource(1, L"ENG", nullptr);
    RsrcRecord* mech = add_resource(2, L"MECH", eng);
    RsrcRecord* weld = add_resource(3, L"WELD", mech);
    RsrcRecord* ops = add_resource(4, L"OPS", nullptr);
    TaskRecord& welding = AddActivity(1);
    welding.resource = weld;
    TaskRecord& operating = AddActivity(2);
    operating.resource = ops;
    TaskRecord& unassigned = AddActivity(3);
    TaskRecord& engineering = AddActivity(4);
    engineering.resource = eng;

    // A null argument: no argument.
    struct Case { const char* why; const wchar_t* argument; bool welding, operating, unassigned, engineering; };
    const Case cases[] = {
        {"id, point and name: the top of the tree", L"ENG.Engineering", true, false, false, true},
        {"a resource in the middle", L"MECH.Mechanical", true, false, false, false},
        {"another tree", L"OPS.Operations", false, true, false, false},
        {"the id is compared exactly", L"eng.Engineering", false, false, false, false},
        {"no argument", nullptr, false, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        auto entry = FilterEntry::ForField(147, Code(FilterOperator::under));
        if (c.argument != nullptr) entry->AddArgument(FilterArgument::MakeSingle(s_string(c.argument)));
        EXPECT_EQ(entry->Match(ActivityRow(&welding)), c.welding);
        EXPECT_EQ(entry->Match(ActivityRow(&operating)), c.operating);
        EXPECT_EQ(entry->Match(ActivityRow(&unassigned)), c.unassigned);
        EXPECT_EQ(entry->Match(ActivityRow(&engineering)), c.engineering);
    }
    ValueRow not_an_activity;
    auto entry = FilterEntry::ForField(147, Code(FilterOperator::under));
    entry->AddArgument(FilterArgument::MakeSingle(s_string(L"ENG")));
    EXPECT_FALSE(entry->Match(not_an_activity));
}

}  // namespace
}  // namespace varnholt
