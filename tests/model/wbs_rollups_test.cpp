// WBS elements: the pass (codes, paths, summary calendars), the summaries of an element's own
// activities, the roll-ups over a subtree, the project summaries through the root element, and
// walks over damaged trees.

#include "hand_built_document.h"

#include "model/value_compare.h"

#include <gtest/gtest.h>

#include <vector>

namespace varnholt {
namespace {

using namespace testing_support;

constexpr std::int32_t kCompleted = 0, kInProgress = 1, kNotStarted = 2;
constexpr std::wstring_view kStandard = L"Standard 5 Day Workweek";

const s_date* DateOf(const s_val* value) {
    return value->is_date() ? static_cast<const s_date*>(value) : nullptr;
}

// Dates as their seconds, counts as whole numbers, everything else as a real number.
double NumberOf(const s_val* value) {
    if (value->is_date()) return static_cast<double>(value->as_int64());
    if (same_class<s_int>(*value) != nullptr) return value->as_int();
    return value->as_double();
}

TEST_F(HandBuiltDocumentTest, WbsPassBuildsCodesPathsAndNodeKinds) {
    ProjectRecord* project = AddProject(doc, 1, L"PRJ");
    ProjWbsRecord* p = AddWbs(doc, project, nullptr, 1, L"P", L"Plant");
    ProjWbsRecord* a = AddWbs(doc, project, p, 2, L"A", L"Area");
    ProjWbsRecord* b = AddWbs(doc, project, a, 3, L"B", L"Beta");
    ProjectRecord* dotted_project = AddProject(doc, 2, L"DOT");
    ProjWbsRecord* dotted = AddWbs(doc, dotted_project, nullptr, 4, L"X.Y", L"Dotted");
    ProjWbsRecord* below_dotted = AddWbs(doc, dotted_project, dotted, 5, L"C", L"Child");
    for (ProjWbsRecord* element : {p, a, b, dotted, below_dotted}) element->ComputeDerived();

    struct Case {
        const char* why;
        const ProjWbsRecord* element;
        const wchar_t *parent_path, *path, *code, *full_name;
        std::int32_t node_type;
    };
    const Case cases[] = {
        {"top element", p, L"", L"P", L"P", L"P Plant", 1}, {"second level", a, L"P.", L"A", L"P.A", L"P.A Area", 0},
        {"third level", b, L"P.A.", L"A.B", L"P.A.B", L"P.A.B Beta", 0},
        {"a dotted short name is cut at its first dot below it", below_dotted, L"X.Y.", L"Y.C", L"X.Y.C",
         L"X.Y.C Child", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(c.element->wbs_parent_path.text, c.parent_path);
        EXPECT_EQ(c.element->wbs_path.text, c.path);
        EXPECT_EQ(c.element->wbs_concat_name.text, c.code);
        EXPECT_EQ(c.element->wbs_full_name.text, c.full_name);
        EXPECT_EQ(c.element->node_type.value, c.node_type);
        EXPECT_EQ(c.element->node_type.null_flag, 0);
    }
    s_string path;
    b->BuildPath(path);
    EXPECT_EQ(path.text, L"P.A.B.");

    ProjWbsRecord* workbook_element = AddWbs(doc, project, b, 6, L"W");
    workbook_element->ComputeDerivedXls();
    EXPECT_EQ(workbook_element->wbs_concat_name.text, L"P.A.B.W");
    EXPECT_EQ(workbook_element->node_type.null_flag, 1) << "workbooks carry no node kinds";
}

TEST_F(HandBuiltDocumentTest, SummaryCalendarIsTheSubtreesOneCalendarElseTheStandard) {
    ProjectRecord* project = AddProject(doc, 1, L"PRJ");
    CalendarRecord* k = AddCalendar(doc, L"K");
    CalendarRecord* k2 = AddCalendar(doc, L"K2");
    CalendarRecord* standard = AddCalendar(doc, kStandard);
    ProjWbsRecord* root = AddWbs(doc, project, nullptr, 1, L"R");
    const auto element_on = [&](ProjWbsRecord* parent, std::uint32_t id, std::vector<CalendarRecord*> calendars) {
        ProjWbsRecord* element = AddWbs(doc, project, parent, id, L"E" + std::to_wstring(id));
        for (CalendarRecord* calendar : calendars) AddActivity(doc, element, id * 10 + 1, L"T")->calendar = calendar;
        return element;
    };
    ProjWbsRecord* one = element_on(root, 2, {k, k});
    ProjWbsRecord* two = element_on(root, 3, {k, k2});
    ProjWbsRecord* with_empty_child = element_on(root, 4, {k});
    element_on(with_empty_child, 5, {});
    ProjWbsRecord* differs_from_child = element_on(root, 6, {k});
    element_on(differs_from_child, 7, {k2});
    ProjWbsRecord* only_children = element_on(root, 8, {});
    element_on(only_children, 9, {k2});
    ProjWbsRecord* no_calendars = element_on(root, 10, {nullptr});

    struct Case { const char* why; const ProjWbsRecord* element; const CalendarRecord* expected; } const cases[] = {
        {"one calendar", one, k}, {"two calendars", two, standard},
        {"an empty child does not count", with_empty_child, k},
        {"a child on another calendar", differs_from_child, standard},
        {"no own activities: the child's calendar", only_children, k2},
        {"activities without a calendar", no_calendars, standard}, {"the top over a mix", root, standard},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(c.element->GetSummaryCalendar(), c.expected);
    }
    one->ComputeDerived();
    EXPECT_EQ(one->summary_calendar, k);
}

TEST_F(HandBuiltDocumentTest, SummaryCalendarIsNullWithoutTheStandardCalendar) {
    ProjectRecord* project = AddProject(doc, 1, L"PRJ");
    ProjWbsRecord* mixed = AddWbs(doc, project, nullptr, 1, L"M");
    AddActivity(doc, mixed, 1, L"T1")->calendar = AddCalendar(doc, L"K");
    AddActivity(doc, mixed, 2, L"T2")->calendar = AddCalendar(doc, L"K2");
    EXPECT_EQ(mixed->GetSummaryCalendar(), nullptr);
}

// Three activities of one element: completed (3rd-5th), in progress (from the 4th, remaining
// from the 6th to the 12th), not started (remaining from the 7th to the 14th).
class WbsSummaries : public HandBuiltDocumentTest {
protected:
    void SetUp() override {
        HandBuiltDocumentTest::SetUp();
        project = AddProject(doc, 1, L"PRJ");
        element = AddWbs(doc, project, nullptr, 1, L"E");
        calendar = AddCalendar(doc, L"K", 7.5, 37.5);
        done = Add(kCompleted, 3, 5, s_date{}, s_date{}, 10, 0);
        going = Add(kInProgress, 4, 0, Day(6), Day(12), 4, 6);
        waiting = Add(kNotStarted, 0, 0, Day(7), Day(14), 0, 8);
        element->ComputeDerived();
    }

    TaskRecord* Add(std::int32_t status, std::int32_t actual_start, std::int32_t actual_finish, s_date restart,
                    s_date reend, double actual_work, double remaining_work) {
        TaskRecord* task = AddActivity(doc, element, next_id++, L"T", status);
        task->calendar = calendar;
        if (actual_start != 0) task->act_start_date = Day(actual_start);
        if (actual_finish != 0) task->act_end_date = Day(actual_finish);
        task->restart_date = restart;
        task->reend_date = reend;
        task->act_work_qty = s_unit(actual_work, s_unit::kQuantity);
        task->remain_work_qty = s_unit(remaining_work, s_unit::kQuantity);
        task->ComputeDerived();
        return task;
    }

    ProjectRecord* project = nullptr;
    ProjWbsRecord* element = nullptr;
    CalendarRecord* calendar = nullptr;
    TaskRecord *done = nullptr, *going = nullptr, *waiting = nullptr;
    std::uint32_t next_id = 1;
};

TEST_F(WbsSummaries, DatesOverTheOwnActivities) {
    struct Case { const char* why; std::int32_t id; std::int64_t seconds; std::uint8_t null_flag; } const cases[] = {
        {"earliest actual start", 418, Day(3).seconds, 0},
        {"one unfinished activity leaves no actual finish", 417, 0, 1}, {"earliest start", 434, Day(3).seconds, 0},
        {"latest finish: a planned finish replaces the actual one", 429, Day(14).seconds, 0},
        {"latest progress date", 512, Day(6).seconds, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const s_date* date = DateOf(element->GetFieldValue(c.id));
        ASSERT_NE(date, nullptr);
        EXPECT_EQ(date->null_flag, c.null_flag);
        if (c.null_flag == 0) {
            EXPECT_EQ(date->seconds, c.seconds);
        }
    }
    // Kept once it has a value: a later change of an activity does not move it.
    done->act_start_date = Day(1);
    EXPECT_EQ(element->GetFieldValue(418), &element->act_start_date);
    EXPECT_EQ(element->act_start_date.seconds, Day(3).seconds);
}

TEST_F(WbsSummaries, CountsAreCountedAtEveryRead) {
    EXPECT_EQ(element->GetFieldValue(377)->as_int(), 3);
    EXPECT_EQ(element->GetFieldValue(477)->as_int(), 1);
    EXPECT_EQ(element->GetFieldValue(478)->as_int(), 1);
    EXPECT_EQ(element->GetFieldValue(479)->as_int(), 1);
    Add(kCompleted, 3, 4, s_date{}, s_date{}, 0, 0);
    EXPECT_EQ(element->GetFieldValue(377)->as_int(), 4);
    EXPECT_EQ(element->GetFieldValue(477)->as_int(), 2);
    ProjWbsRecord* empty = AddWbs(doc, project, element, 2, L"X");
    EXPECT_EQ(empty->GetFieldValue(377)->as_int(), 0);
}

TEST_F(WbsSummaries, QuantitiesAddUpWithTheSummaryCalendarsHours) {
    const s_val* actual = element->GetFieldValue(498);
    EXPECT_DOUBLE_EQ(actual->as_double(), 14);
    EXPECT_DOUBLE_EQ(element->GetFieldValue(506)->as_double(), 14);
    EXPECT_DOUBLE_EQ(element->GetFieldValue(502)->as_double(), 28) << "actual plus remaining";
    EXPECT_EQ(element->act_work_qty.kind, s_unit::kQuantity);
    EXPECT_EQ(element->act_work_qty.factors->hours_per_day, 7.5);
    EXPECT_EQ(element->act_work_qty.calendar_applied, 1);
}

TEST_F(WbsSummaries, DurationsCountWorkingTimeOnTheSummaryCalendar) {
    const s_val* actual = element->GetFieldValue(435);  // actual start 3rd to progress date 6th
    ASSERT_TRUE(actual->is_dur());
    const s_dur* duration = static_cast<const s_dur*>(actual);
    EXPECT_DOUBLE_EQ(duration->value, 24);
    EXPECT_EQ(duration->null_flag, 0);
    EXPECT_EQ(duration->factors->hours_per_day, 7.5);
    EXPECT_DOUBLE_EQ(element->GetFieldValue(436)->as_double(), 72) << "3rd to the 14th, 08:00 each";
}

TEST_F(WbsSummaries, DurationWithoutAStartOrFinishCountsNothing) {
    ProjWbsRecord* unstarted = AddWbs(doc, project, element, 2, L"U");
    TaskRecord* task = AddActivity(doc, unstarted, 50, L"U1", kNotStarted);
    task->calendar = calendar;
    task->restart_date = Day(10);
    task->ComputeDerived();
    unstarted->ComputeDerived();
    // No actual start and no progress: no time at all, rather than working time counted from 1970.
    const s_val* actual = unstarted->GetFieldValue(435);
    EXPECT_EQ(actual->as_double(), 0);
    EXPECT_EQ(actual->to_string(), L"0");
    // A progress date without an actual start would count from 1970: no figure.
    ProjWbsRecord* progressed = AddWbs(doc, project, element, 5, L"G");
    progressed->summary_calendar = calendar;
    AddActivity(doc, progressed, 55, L"G1", kNotStarted)->act_progress_date = Day(10);
    EXPECT_EQ(progressed->GetFieldValue(435)->to_string(), L"");
    // Working time needs the calendar column: an element read with it counts, one read after
    // a workbook took it away does not.
    const auto spanned_element = [&](std::uint32_t id) {
        ProjWbsRecord* spanned = AddWbs(doc, project, element, id, L"S");
        spanned->summary_calendar = calendar;
        TaskRecord* spanning = AddActivity(doc, spanned, 50 + id, L"S1", kNotStarted);
        spanning->start_date = Day(3);
        spanning->end_date = Day(5);
        return spanned;
    };
    EXPECT_DOUBLE_EQ(spanned_element(3)->GetFieldValue(436)->as_double(), 16);
    doc.TakeAwayColumn(ColumnFactTable::activity, 138);
    EXPECT_EQ(spanned_element(4)->GetFieldValue(436)->as_double(), 0);
}

// P > A > A1 (two activities), P > A > A2 (empty), P > B (empty), P > C (one activity).
class WbsRollups : public HandBuiltDocumentTest {
protected:
    void SetUp() override {
        HandBuiltDocumentTest::SetUp();
        project = AddProject(doc, 1, L"PRJ");
        calendar = AddCalendar(doc, L"K");
        p = AddWbs(doc, project, nullptr, 1, L"P");
        a = AddWbs(doc, project, p, 2, L"A");
        a1 = AddWbs(doc, project, a, 3, L"A1");
        a2 = AddWbs(doc, project, a, 4, L"A2");
        b = AddWbs(doc, project, p, 5, L"B");
        c = AddWbs(doc, project, p, 6, L"C");
        TaskRecord* x1 = Add(a1, kCompleted, 10);
        x1->act_start_date = Day(3);
        x1->act_end_date = Day(5);
        TaskRecord* x2 = Add(a1, kNotStarted, 0);
        x2->restart_date = Day(10);
        x2->reend_date = Day(14);
        TaskRecord* y1 = Add(c, kInProgress, 5);
        y1->act_start_date = Day(4);
        y1->restart_date = Day(6);
        y1->reend_date = Day(20);
        for (const auto& task : doc.Tasks()) task->ComputeDerived();
        for (const auto& element : doc.ProjWbs()) element->ComputeDerived();
    }

    TaskRecord* Add(ProjWbsRecord* element, std::int32_t status, double actual_work) {
        TaskRecord* task = AddActivity(doc, element, next_id++, L"T", status);
        task->calendar = calendar;
        task->act_work_qty = s_unit(actual_work, s_unit::kQuantity);
        return task;
    }

    ProjectRecord* project = nullptr;
    CalendarRecord* calendar = nullptr;
    ProjWbsRecord *p = nullptr, *a = nullptr, *a1 = nullptr, *a2 = nullptr, *b = nullptr, *c = nullptr;
    std::uint32_t next_id = 1;
};

TEST_F(WbsRollups, DatesOverTheSubtreeSkipEmptyBranches) {
    const s_date* finish = DateOf(p->RollupLatestDate(429));
    ASSERT_NE(finish, nullptr);
    EXPECT_EQ(finish->seconds, Day(20).seconds);
    EXPECT_EQ(finish->null_flag, 0);
    const s_date* actual_finish = DateOf(p->RollupLatestDate(417));
    ASSERT_NE(actual_finish, nullptr);
    EXPECT_EQ(actual_finish->null_flag, 1) << "unfinished activities leave no actual finish";
    const s_date* start = DateOf(p->RollupEarliestDate(434));
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->seconds, Day(3).seconds);
    EXPECT_EQ(DateOf(a->RollupLatestDate(429))->seconds, Day(14).seconds);
    for (const ProjWbsRecord* empty : {a2, b}) {
        EXPECT_TRUE(s_val::is_null_value(empty->RollupLatestDate(429)));
        EXPECT_TRUE(s_val::is_null_value(empty->RollupEarliestDate(434)));
    }
    EXPECT_TRUE(s_val::is_null_value(p->RollupLatestDate(377))) << "not a date column";
}

TEST_F(WbsRollups, SumsAndDurationsOverTheSubtree) {
    EXPECT_EQ(p->RollupSum(377), 3);
    EXPECT_EQ(p->RollupSum(477), 1);
    EXPECT_EQ(a->RollupSum(479), 1);
    EXPECT_DOUBLE_EQ(p->RollupSum(498), 15);
    EXPECT_EQ(p->RollupSum(510), 0) << "a text column adds nothing";
    const s_dur total = p->RollupDuration(436);  // the 3rd 08:00 to the 20th 08:00
    EXPECT_DOUBLE_EQ(total.value, 104);
    EXPECT_EQ(total.calendar_applied, 1);
    EXPECT_DOUBLE_EQ(p->RollupDuration(999).value, 0);
}

// A record that does not answer the id hands over the shared null value; the roll-ups take
// it for no value and do not read it as a date.
TEST_F(WbsRollups, ValuesThatAreNoDatesAreNoCandidates) {
    // P has no activities, so its first child's own date seeds the roll-up; the dates of P
    // itself and of C take no part.
    p->anticip_end_date = Day(12);
    a->anticip_end_date = Day(9);
    c->anticip_end_date = Day(11);
    const s_date* latest = DateOf(p->RollupLatestDate(419));
    ASSERT_NE(latest, nullptr) << "activities answer 419 with the null value";
    EXPECT_EQ(latest->seconds, Day(9).seconds);
    EXPECT_TRUE(s_val::is_null_value(p->RollupEarliestDate(420)));
}

TEST_F(WbsRollups, ProjectSummariesComeFromTheRootElement) {
    struct Case { const char* why; std::int32_t id; double expected; } const cases[] = {
        {"finish", 271, static_cast<double>(Day(20).seconds)},
        {"completed activities", 339, 1}, {"actual work", 362, 15},
        {"total duration", 281, 104},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const s_val* value = project->GetFieldValue(c.id);
        EXPECT_TRUE(IsOwnValue(*project, value));
        EXPECT_DOUBLE_EQ(NumberOf(value), c.expected);
    }
    EXPECT_EQ(project->end_date.mark, s_date::kNoMark);
    EXPECT_EQ(project->total_drtn_hr_cnt.calendar_applied, 1);
    EXPECT_TRUE(p->summary_cache.contains(429));
    // The actual finish of unfinished work is kept as a date with a value that shows empty.
    EXPECT_EQ(project->GetFieldValue(258)->to_string(), L"");
    EXPECT_EQ(project->act_end_date.null_flag, 0);
}

TEST_F(WbsRollups, ProjectTakesACachedSummaryWithoutRollingUp) {
    p->CacheValue(417, s_date::from_ymd(2030, 1, 2).clone());
    p->CacheValue(417, s_date::from_ymd(2031, 1, 2).clone());  // the first stays
    p->CacheValue(498, s_unit(99.0, s_unit::kQuantity).clone());
    EXPECT_EQ(project->GetFieldValue(258)->as_int64(), s_date::from_ymd(2030, 1, 2).seconds);
    EXPECT_DOUBLE_EQ(project->GetFieldValue(362)->as_double(), 99);
}

// Parent and child links that no sound file gives: loops and elements listed twice. Every
// walk still ends.
TEST_F(HandBuiltDocumentTest, WalksEndOnDamagedTrees) {
    ProjectRecord* project = AddProject(doc, 1, L"PRJ");
    CalendarRecord* calendar = AddCalendar(doc, L"K");
    ProjWbsRecord* x = AddWbs(doc, project, nullptr, 1, L"X");
    ProjWbsRecord* y = AddWbs(doc, project, nullptr, 2, L"Y");
    x->AddChild(y);
    y->AddChild(x);
    x->parent = y;
    y->parent = x;
    ProjWbsRecord* self = AddWbs(doc, project, nullptr, 3, L"S");
    self->AddChild(self);
    self->parent = self;
    AddActivity(doc, self, 1, L"T")->calendar = calendar;
    // A lattice: each of 40 elements lists the next one twice, 2^40 paths from the top.
    std::vector<ProjWbsRecord*> lattice{AddWbs(doc, project, nullptr, 100, L"L")};
    for (std::uint32_t i = 1; i < 40; ++i) {
        ProjWbsRecord* next = AddWbs(doc, project, nullptr, 100 + i, L"L");
        lattice.back()->AddChild(next);
        lattice.back()->AddChild(next);
        lattice.push_back(next);
    }
    AddActivity(doc, lattice.back(), 2, L"T")->calendar = calendar;

    for (ProjWbsRecord* top : {x, self, lattice.front()}) {
        top->ComputeDerived();
        (void)top->FirstActivityCalendar();
        (void)top->RollupLatestDate(429);
        (void)top->RollupEarliestDate(434);
        (void)top->RollupSum(377);
        (void)top->RollupDuration(436);
        (void)top->GetFieldValue(436);
    }
    EXPECT_LE(x->wbs_concat_name.text.size(), 2u * (100 + 2)) << "the path stops at the walk's limits";
    EXPECT_EQ(lattice.front()->GetSummaryCalendar(), calendar);
    EXPECT_LE(lattice.front()->RollupSum(377), static_cast<double>(doc.ProjWbs().size()));
}

TEST_F(HandBuiltDocumentTest, ADeepChainIsCutAtTheDepthLimit) {
    ProjectRecord* project = AddProject(doc, 1, L"PRJ");
    ProjWbsRecord* top = AddWbs(doc, project, nullptr, 1, L"L0");
    ProjWbsRecord* parent = top;
    for (std::uint32_t level = 1; level < 1000; ++level) {
        parent = AddWbs(doc, project, parent, level + 1, L"L");
        AddActivity(doc, parent, level, L"T");
    }
    // Levels 1 to 100 below the top are summed; no real schedule nests deeper.
    EXPECT_EQ(top->RollupSum(377), 100);
    // The code holds the nearest 100 elements above the parent, then the parent and the element.
    parent->ComputeDerived();
    EXPECT_EQ(parent->wbs_concat_name.text.size(), 2u * 102 - 1);
}

}  // namespace
}  // namespace varnholt
