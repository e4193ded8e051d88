// The post-load passes over activities: the shown dates with their marks, milestones,
// durations in working hours, the critical flag, lists, steps and totals, and the workbook pass.

#include "hand_built_document.h"

#include "model/records/TaskProcRecord.h"

#include <gtest/gtest.h>

namespace varnholt {
namespace {

using namespace testing_support;

constexpr std::int32_t kCompleted = 0, kInProgress = 1, kNotStarted = 2;

class ActivityPasses : public HandBuiltDocumentTest {
protected:
    void SetUp() override {
        HandBuiltDocumentTest::SetUp();
        project = AddProject(doc, 1, L"PRJ");
        wbs = AddWbs(doc, project, nullptr, 10, L"P");
        calendar = AddCalendar(doc, L"Std");
    }

    TaskRecord* Activity(std::int32_t status) {
        TaskRecord* task = AddActivity(doc, wbs, next_id, L"A" + std::to_wstring(next_id), status);
        ++next_id;
        return task;
    }

    ProjectRecord* project = nullptr;
    ProjWbsRecord* wbs = nullptr;
    CalendarRecord* calendar = nullptr;
    std::uint32_t next_id = 100;
};

TEST_F(ActivityPasses, ShownDatesCarryActualAndConstraintMarks) {
    struct Case {
        const char* why;
        std::int32_t status, constraint;
        bool has_restart;
        const wchar_t *start, *finish, *progress;
    };
    // Actual start the 3rd, actual finish the 5th, remaining start the 6th (when given), early
    // start the 7th, remaining finish the 10th.
    const Case cases[] = {
        {"completed: both ends actual", kCompleted, 0, true, L"3-Mar-2025 A", L"5-Mar-2025 A", L"5-Mar-2025"},
        {"in progress: actual start only", kInProgress, 0, true, L"3-Mar-2025 A", L"10-Mar-2025", L"6-Mar-2025"},
        {"not started: the remaining start", kNotStarted, 0, true, L"6-Mar-2025", L"10-Mar-2025", L""},
        {"not started without a remaining start: the early start", kNotStarted, 0, false, L"7-Mar-2025",
         L"10-Mar-2025", L""},
        {"start constraint marks a planned start", kNotStarted, 2, true, L"6-Mar-2025*", L"10-Mar-2025", L""},
        {"start constraint leaves an actual start alone", kInProgress, 3, true, L"3-Mar-2025 A", L"10-Mar-2025",
         L"6-Mar-2025"},
        {"finish constraint marks a planned finish", kNotStarted, 7, true, L"6-Mar-2025", L"10-Mar-2025*", L""},
        {"finish constraint on a completed activity adds nothing", kCompleted, 6, true, L"3-Mar-2025 A",
         L"5-Mar-2025 A", L"5-Mar-2025"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        TaskRecord* task = Activity(c.status);
        task->act_start_date = Day(3);
        if (c.status == kCompleted) task->act_end_date = Day(5);
        if (c.has_restart) task->restart_date = Day(6);
        task->early_start_date = Day(7);
        task->reend_date = Day(10);
        task->cstr_type = s_constraint_type(c.constraint);
        if (c.status == kNotStarted) task->act_start_date = s_date{};
        task->ComputeDerived();
        EXPECT_EQ(task->start_date.to_string(), c.start);
        EXPECT_EQ(task->end_date.to_string(), c.finish);
        EXPECT_EQ(task->act_progress_date.to_string(), c.progress);
        EXPECT_EQ(task->complete_cnt.value + task->active_cnt.value + task->notstarted_cnt.value, 1);
        if (!c.has_restart) {
            EXPECT_EQ(task->restart_date.seconds, Day(7).seconds) << "early start fills in";
        }
    }
}

TEST_F(ActivityPasses, MilestonesShowOnlyTheirOwnEnd) {
    TaskRecord* start_milestone = Activity(kCompleted);
    start_milestone->task_type = s_activity_type(3);
    TaskRecord* finish_milestone = Activity(kNotStarted);
    finish_milestone->task_type = s_activity_type(4);
    for (TaskRecord* task : {start_milestone, finish_milestone}) {
        for (s_date* date : {&task->act_start_date, &task->act_end_date, &task->early_start_date, &task->early_end_date,
                             &task->restart_date, &task->reend_date, &task->create_date, &task->update_date})
            *date = Day(4);
        task->ComputeDerived();
    }
    EXPECT_EQ(start_milestone->start_date.to_string(), L"4-Mar-2025 A");
    for (const s_date* date : {&start_milestone->end_date, &start_milestone->act_end_date, &start_milestone->reend_date,
                               &start_milestone->early_end_date, &start_milestone->late_end_date,
                               &start_milestone->target_end_date, &start_milestone->rem_late_end_date})
        EXPECT_TRUE(date->blank);
    EXPECT_FALSE(start_milestone->create_date.blank);

    EXPECT_EQ(finish_milestone->end_date.to_string(), L"4-Mar-2025");
    for (const s_date* date : {&finish_milestone->start_date, &finish_milestone->act_start_date,
                               &finish_milestone->early_start_date, &finish_milestone->late_start_date,
                               &finish_milestone->target_start_date, &finish_milestone->restart_date,
                               &finish_milestone->create_date, &finish_milestone->update_date,
                               &finish_milestone->rem_late_start_date}) {
        EXPECT_TRUE(date->blank);
        EXPECT_EQ(date->to_string(), L"");
    }
}

TEST_F(ActivityPasses, ProgressBeyondTheDataDateIsCutBackToIt) {
    project->last_recalc_date = Day(10);
    TaskRecord* late_progress = Activity(kInProgress);
    late_progress->act_start_date = Day(3);
    late_progress->restart_date = Day(12);
    TaskRecord* early_progress = Activity(kInProgress);
    early_progress->act_start_date = Day(3);
    early_progress->restart_date = Day(6);
    TaskRecord* unplaced = AddActivity(doc, nullptr, 900, L"U", kInProgress);
    unplaced->act_start_date = Day(3);
    unplaced->restart_date = Day(12);
    for (TaskRecord* task : {late_progress, early_progress, unplaced}) task->ComputeDerived();
    EXPECT_EQ(late_progress->act_progress_date.seconds, Day(10).seconds);
    EXPECT_EQ(late_progress->act_progress_date.mark, s_date::kNoMark);
    EXPECT_EQ(early_progress->act_progress_date.seconds, Day(6).seconds);
    EXPECT_EQ(unplaced->act_progress_date.seconds, Day(12).seconds) << "no project, no data date";
}

TEST_F(ActivityPasses, DurationsCountWorkingHoursLessSuspensions) {
    struct Case { const char* why; s_date act_start, progress, suspend, resume; double total, actual; };
    const s_date none;
    // The shown start is the actual start (the 3rd, a Monday, 08:00 unless said otherwise) and
    // the finish the 7th 17:00; working days run 08:00-12:00 and 13:00-17:00.
    const Case cases[] = {
        {"not suspended", Day(3), Day(5), none, none, 40, 16},
        {"suspended and not resumed by the progress date: whole hours to the suspension", Day(3), Day(5),
         s_date::from_ymdhm(2025, 3, 4, 11, 30), none, 40, 11},
        {"resumed before the progress date: the suspension does not count", Day(3), Day(6), Day(4), Day(5), 32, 16},
        {"resumed after the progress date", Day(3), Day(5), Day(4), Day(6), 24, 8},
        {"a negative actual duration becomes 0", Day(5), Day(6), Day(3), Day(5), 8, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        TaskRecord* task = Activity(kInProgress);
        task->calendar = calendar;
        task->act_start_date = c.act_start;
        task->restart_date = c.progress;
        task->reend_date = Day(7, 17);
        task->EnsureOptionalValues().suspend_date = c.suspend;
        task->EnsureOptionalValues().resume_date = c.resume;
        task->ComputeDerived();
        EXPECT_DOUBLE_EQ(task->total_drtn_hr_cnt.value, c.total);
        EXPECT_DOUBLE_EQ(task->act_drtn_hr_cnt.value, c.actual);
        EXPECT_EQ(task->act_drtn_hr_cnt.null_flag, 0);
        EXPECT_EQ(task->act_drtn_hr_cnt.calendar_applied, 0) << "factors come with the first read";
    }
}

TEST_F(ActivityPasses, DurationsNeedACalendarAndBothEnds) {
    TaskRecord* without_calendar = Activity(kInProgress);
    without_calendar->act_start_date = Day(3);
    without_calendar->reend_date = Day(7, 17);
    TaskRecord* without_start = Activity(kNotStarted);
    without_start->calendar = calendar;
    without_start->reend_date = Day(7, 17);
    for (TaskRecord* task : {without_calendar, without_start}) task->ComputeDerived();
    EXPECT_EQ(without_calendar->total_drtn_hr_cnt.value, 0);
    // No start: no working time since 1970.
    EXPECT_EQ(without_start->start_date.null_flag, 1);
    EXPECT_EQ(without_start->total_drtn_hr_cnt.value, 0);
}

TEST_F(ActivityPasses, CriticalWhenTheFloatIsWithinTheProjectLimit) {
    project->critical_drtn_hr_cnt = s_dur(0.0);
    struct Case { const char* why; s_dur total_float; bool in_project; bool critical; } const cases[] = {
        {"no float", s_dur(0.0), true, true}, {"negative float", s_dur(-8.0), true, true},
        {"float to spare", s_dur(8.0), true, false}, {"no float given", s_dur{}, true, false},
        {"no project", s_dur(0.0), false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        TaskRecord* task = c.in_project ? Activity(kNotStarted) : AddActivity(doc, nullptr, 800, L"U");
        task->total_float_hr_cnt = c.total_float;
        task->ComputeDerived();
        EXPECT_EQ(task->critical_flag.as_bool(), c.critical);
    }
}

TEST_F(ActivityPasses, ListsOfResourcesRolesAndRelationships) {
    RsrcRecord* rita = AddResource(doc, 1, L"R1", L"Rita");
    RsrcRecord* bob = AddResource(doc, 2, L"R2", L"Bob");
    RoleRecord* r1 = AddRole(doc, L"r1", L"R1");
    RoleRecord* r3 = AddRole(doc, L"r3", L"R3");
    TaskRecord* three_roles = Activity(kNotStarted);
    AddAssignment(doc, three_roles, rita, r1);
    AddAssignment(doc, three_roles, nullptr, nullptr);
    AddAssignment(doc, three_roles, bob, r3);
    three_roles->resource = rita;
    TaskRecord* second_role_only = Activity(kNotStarted);
    AddAssignment(doc, second_role_only, nullptr, nullptr);
    AddAssignment(doc, second_role_only, bob, r3);
    TaskRecord* a100 = AddActivity(doc, wbs, 1, L"A100");
    TaskRecord* a110 = AddActivity(doc, wbs, 2, L"A110");
    AddRelationship(doc, three_roles, a100);
    AddRelationship(doc, three_roles, a110);
    AddRelationship(doc, three_roles, nullptr);  // predecessor not in the file
    AddRelationship(doc, a100, three_roles);
    for (TaskRecord* task : {three_roles, second_role_only}) task->ComputeDerived();

    EXPECT_EQ(three_roles->role_list.text, L"R1, ,R3");
    EXPECT_EQ(three_roles->role_code_list.text, L"r1, ,r3");
    EXPECT_EQ(second_role_only->role_list.text, L"R3") << "a first assignment without a role adds nothing";
    EXPECT_EQ(three_roles->resource_list.text, L"Rita, Bob");
    EXPECT_EQ(three_roles->taskrsrc_cnt.value, 3);
    EXPECT_EQ(three_roles->pred_list.text, L"A100, A110");
    EXPECT_EQ(three_roles->succ_list.text, L"A100");
    EXPECT_EQ(three_roles->rsrc_label.text, L"R1.Rita");
    EXPECT_EQ(three_roles->GetFieldValue(147), &three_roles->rsrc_label);
    EXPECT_EQ(second_role_only->rsrc_label.text, L"") << "no primary resource";
}

TEST_F(ActivityPasses, StepsShareTheWeightsAndCountByProgress) {
    TaskRecord* weighted = Activity(kInProgress);
    TaskRecord* unweighted = Activity(kInProgress);
    struct StepRow { TaskRecord* task; double weight; bool complete; double percent; };
    const StepRow rows[] = {{weighted, 1, true, 100}, {weighted, 1, false, 0}, {weighted, 2, false, 50},
                            {unweighted, 0, false, 0}, {unweighted, 0, false, 10}};
    std::vector<TaskProcRecord*> steps;
    for (const auto& row : rows) {
        TaskProcRecord* step = doc.NewTaskProc();
        step->proc_wt = s_double(row.weight);
        step->complete_flag = s_bool(row.complete);
        step->complete_pct = s_percent(row.percent);
        LinkActivityStep(*step, row.task, project);
        steps.push_back(step);
    }
    weighted->ComputeDerived();
    unweighted->ComputeDerived();
    const double shares[] = {25, 25, 50, 0, 0};
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_DOUBLE_EQ(steps[i]->proc_wt_pct.value, shares[i]);
        EXPECT_EQ(steps[i]->proc_wt_pct.null_flag, 0);
    }
    EXPECT_EQ(weighted->step_cnt.value, 3);
    EXPECT_EQ(weighted->step_complete_cnt.value, 1);
    EXPECT_EQ(weighted->step_notstarted_cnt.value, 1);
    EXPECT_EQ(weighted->step_active_cnt.value, 1);
    EXPECT_EQ(unweighted->step_active_cnt.value, 1);
    EXPECT_EQ(weighted->GetFieldValue(6), &weighted->step_cnt);
}

TEST_F(ActivityPasses, TotalQuantitiesAddActualAndRemaining) {
    TaskRecord* task = Activity(kInProgress);
    task->act_work_qty = s_unit(10.0, s_unit::kQuantity);
    task->remain_work_qty = s_unit(6.0, s_unit::kQuantity);
    task->act_equip_qty = s_unit(1.5, s_unit::kQuantity);
    task->ComputeDerived();
    EXPECT_DOUBLE_EQ(task->total_work_qty.value, 16);
    EXPECT_DOUBLE_EQ(task->total_equip_qty.value, 1.5) << "a blank quantity counts as 0";
    EXPECT_EQ(task->total_work_qty.null_flag, 0);
    EXPECT_EQ(task->total_work_qty.kind, s_unit::kQuantity);
    EXPECT_EQ(task->row_count.value, 1);
}

TEST_F(ActivityPasses, WorkbookProgressDateFollowsTheStatus) {
    TaskRecord* completed = Activity(kCompleted);
    TaskRecord* active = Activity(kInProgress);
    TaskRecord* waiting = Activity(kNotStarted);
    for (TaskRecord* task : {completed, active, waiting}) {
        task->start_date = Day(3);
        task->end_date = Day(7);
        task->restart_date = Day(5);
        task->ComputeDerivedXls();
    }
    EXPECT_EQ(completed->act_progress_date.seconds, Day(7).seconds);
    EXPECT_EQ(active->act_progress_date.seconds, Day(5).seconds);
    EXPECT_EQ(waiting->act_progress_date.null_flag, 1);
}

}  // namespace
}  // namespace varnholt
