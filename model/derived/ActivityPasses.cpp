// ActivityPasses.cpp - the post-load passes over activities: the shown start and finish with
// their marks, milestone blanking, durations in working hours, counts, the lists of resources,
// roles, predecessors and successors, step figures and total quantities.

#include "model/records/TaskRecord.h"

#include "model/Document.h"
#include "model/derived/working_time.h"
#include "model/records/ProjectRecord.h"
#include "model/records/RoleRecord.h"
#include "model/records/RsrcRecord.h"
#include "model/records/TaskPredRecord.h"
#include "model/records/TaskProcRecord.h"
#include "model/records/TaskRsrcRecord.h"

#include <string>
#include <vector>

namespace varnholt {

namespace {

// Activity status, type and constraint codes (s_enums).
constexpr std::int32_t kCompleted = 0;
constexpr std::int32_t kInProgress = 1;
constexpr std::int32_t kStartMilestone = 3;
constexpr std::int32_t kFinishMilestone = 4;

bool IsStartConstraint(std::int32_t type) { return type >= 2 && type <= 5; }
bool IsFinishConstraint(std::int32_t type) { return type >= 6 && type <= 9; }
bool HasValue(const s_date& date) { return date.null_flag == 0; }

// The start and finish shown, by status, and the actual progress date.
void FillShownDates(TaskRecord& t) {
    t.start_date = t.act_start_date;
    t.end_date = t.reend_date;
    switch (t.status_code.value) {
    case kCompleted:
        t.end_date = t.act_end_date;
        t.end_date.mark = s_date::kActualFinish;
        t.start_date.mark = s_date::kActualStart;
        t.act_progress_date = t.end_date;
        t.complete_cnt = s_int(1);
        break;
    case kInProgress:
        t.start_date.mark = s_date::kActualStart;
        t.act_progress_date = t.restart_date;
        t.active_cnt = s_int(1);
        break;
    default:  // not started: the remaining start, else the early start, which then also
              // serves as the remaining start
        if (HasValue(t.restart_date)) {
            t.start_date = t.restart_date;
        } else {
            t.start_date = t.early_start_date;
            t.restart_date = t.early_start_date;
        }
        t.notstarted_cnt = s_int(1);
        break;
    }
    // Progress recorded beyond the project's data date is cut back to it.
    if (t.status_code.value != kCompleted && t.project != nullptr) {
        const std::int64_t data_date = t.project->GetFieldValue(270)->as_int64();
        if (t.start_date.seconds < data_date && t.act_progress_date.seconds > data_date)
            t.act_progress_date = s_date::from_seconds(data_date);
    }
    t.act_progress_date.mark = s_date::kNoMark;
}

// "*" on a constrained date, unless that date is an actual one. A start constraint settles it.
void MarkConstraint(TaskRecord& t) {
    const std::int32_t type = t.cstr_type.value;
    if (t.start_date.mark != s_date::kActualStart && IsStartConstraint(type)) {
        t.start_date.mark = s_date::kConstrainedStart;
        return;
    }
    if (t.end_date.mark != s_date::kActualFinish && IsFinishConstraint(type)) t.end_date.mark = s_date::kConstrainedFinish;
}

// A milestone has one date: the dates of its other end show as empty.
void BlankMilestoneDates(TaskRecord& t) {
    if (t.task_type.value == kStartMilestone) {
        for (s_date* date : {&t.end_date, &t.act_end_date, &t.target_end_date, &t.reend_date, &t.early_end_date,
                             &t.late_end_date, &t.rem_late_end_date})
            date->blank = true;
    } else if (t.task_type.value == kFinishMilestone) {
        for (s_date* date : {&t.start_date, &t.act_start_date, &t.early_start_date, &t.late_start_date,
                             &t.target_start_date, &t.restart_date, &t.create_date, &t.update_date,
                             &t.rem_late_start_date})
            date->blank = true;
    }
}

// Sets a duration's hours, keeping the factors that field access puts in later.
void SetHours(s_dur& duration, double hours) {
    duration.value = hours;
    duration.blank = 0;
    duration.null_flag = 0;
}

// Total and actual durations in working hours of the activity calendar, less the time of a
// suspension.
void FillDurations(TaskRecord& t) {
    if (t.calendar == nullptr) return;
    const CalendarRecord& calendar = *t.calendar;
    const auto hours = [&](const s_date& from, const s_date& to) {
        return HoursOf(WorkingMinutesBetween(calendar, from, to));
    };
    const s_date& suspend = t.OptionalValues().suspend_date;
    const s_date& resume = t.OptionalValues().resume_date;
    const s_date& progress = t.act_progress_date;

    double total = hours(t.start_date, t.end_date);
    if (HasValue(suspend) && HasValue(resume) && suspend.seconds < t.end_date.seconds) {
        const s_date& suspended_until = resume.seconds < t.end_date.seconds ? resume : t.end_date;
        total -= hours(suspend, suspended_until);
    }
    SetHours(t.total_drtn_hr_cnt, total);

    double actual = 0.0;
    if (HasValue(suspend) && suspend.seconds < progress.seconds &&
        (!HasValue(resume) || resume.seconds > progress.seconds)) {
        // Still suspended at the progress date: whole hours up to the suspension.
        actual = static_cast<double>(WorkingMinutesBetween(calendar, t.start_date, suspend) / 60);
    } else {
        actual = hours(t.act_start_date, progress);
        if (HasValue(suspend) && HasValue(resume) && suspend.seconds < progress.seconds &&
            resume.seconds <= progress.seconds)
            actual -= hours(suspend, resume);
    }
    SetHours(t.act_drtn_hr_cnt, actual);
    if (!t.act_drtn_hr_cnt.greater_equal(s_dur(0.0))) SetHours(t.act_drtn_hr_cnt, 0.0);
}

void MarkCritical(TaskRecord& t) {
    if (t.project == nullptr || t.total_float_hr_cnt.blank != 0) return;
    if (t.total_float_hr_cnt.less_equal(t.project->critical_drtn_hr_cnt)) t.critical_flag = s_bool(true);
}

// Role lists keep a place for each assignment: a comma between entries, a blank for an
// assignment without a role after the first ("R1, ,R3").
void AppendRole(std::wstring& list, const s_string* role_text, std::size_t index) {
    if (!list.empty()) list += L",";
    if (role_text != nullptr) {
        list += role_text->text;
    } else if (index > 0) {
        list += L" ";
    }
}

// The lists are built aside and stored once, at their final length: appending to the members
// piece by piece would leave each with room to spare, on every activity of the file.
void FillAssignmentLists(TaskRecord& t) {
    const std::size_t count = t.assignments.size();
    t.taskrsrc_cnt = s_int(static_cast<std::int32_t>(count));
    std::wstring resources, roles, role_codes;
    for (std::size_t i = 0; i < count; ++i) {
        const TaskRsrcRecord* assignment = t.assignments[i];
        if (assignment == nullptr) continue;
        if (assignment->resource != nullptr) {
            resources += assignment->resource->GetFieldValue(535)->to_string();
            if (i + 1 != count) resources += L", ";
        }
        const RoleRecord* role = assignment->role;
        AppendRole(roles, role != nullptr ? &role->role_name : nullptr, i);
        AppendRole(role_codes, role != nullptr ? &role->role_short_name : nullptr, i);
    }
    t.resource_list.append(resources);
    t.role_list.append(roles);
    t.role_code_list.append(role_codes);
}

// The activity ids at the other end of the relationships, joined by ", ". A relationship
// whose activity at that end is missing contributes nothing.
void FillRelationshipList(s_string& list, const std::vector<TaskPredRecord*>& relationships,
                          TaskRecord* TaskPredRecord::*other_end) {
    std::wstring text;
    for (const TaskPredRecord* relationship : relationships) {
        if (relationship == nullptr || relationship->*other_end == nullptr) continue;
        if (!text.empty()) text += L", ";
        text += (relationship->*other_end)->task_code.text;  // what its activity id column shows
    }
    list.append(text);
}

void FillResourceLabel(TaskRecord& t) {
    if (t.resource == nullptr) return;
    t.rsrc_label = t.resource->rsrc_short_name;
    t.rsrc_label.text.reserve(t.rsrc_label.text.size() + 1 + t.resource->rsrc_name.text.size());  // one allocation
    t.rsrc_label.append(L".");
    t.rsrc_label.append(t.resource->rsrc_name.text);
}

// Each step's share of the step weights, and the steps counted by progress.
void FillSteps(TaskRecord& t) {
    double weights = 0.0;
    for (const TaskProcRecord* step : t.steps)
        if (step != nullptr) weights += step->proc_wt.as_double();
    std::int32_t complete = 0, not_started = 0, active = 0, listed = 0;
    for (TaskProcRecord* step : t.steps) {
        if (step == nullptr) continue;
        ++listed;
        step->proc_wt_pct = s_double(weights <= 0 ? 0.0 : step->proc_wt.as_double() * 100 / weights);
        if (step->complete_flag.as_bool()) {
            ++complete;
        } else if (step->complete_pct.as_double() <= 0) {
            ++not_started;
        } else {
            ++active;
        }
    }
    t.step_complete_cnt = s_int(complete);
    t.step_notstarted_cnt = s_int(not_started);
    t.step_active_cnt = s_int(active);
    t.step_cnt = s_int(listed);
}

}  // namespace

void TaskRecord::ComputeDerived() {
    row_count = s_int(1);
    FillShownDates(*this);
    MarkConstraint(*this);
    BlankMilestoneDates(*this);
    FillDurations(*this);
    MarkCritical(*this);
    FillAssignmentLists(*this);
    FillRelationshipList(pred_list, predecessors, &TaskPredRecord::predecessor);
    FillRelationshipList(succ_list, successors, &TaskPredRecord::successor);
    FillResourceLabel(*this);
    FillSteps(*this);
    total_work_qty = s_unit(act_work_qty.as_double() + remain_work_qty.as_double(), s_unit::kQuantity);
    total_equip_qty = s_unit(act_equip_qty.as_double() + remain_equip_qty.as_double(), s_unit::kQuantity);
}

// A workbook gives the shown start and finish itself. One of them alone makes a milestone, and
// the progress date follows the status.
void TaskRecord::ComputeDerivedXls() {
    const auto column = [this](std::int32_t field_id) {
        return doc != nullptr ? doc->FindColumnFact(ColumnFactTable::activity, field_id) : ColumnFact{};
    };
    const ColumnFact finish_column = column(70);
    if (finish_column.present && column(82).present) {
        const bool has_start = HasValue(start_date);
        const bool has_finish = HasValue(end_date);
        if (has_start && !has_finish) {
            end_date = start_date;
            end_date.blank = true;
            task_type = s_activity_type(kStartMilestone);
        } else if (!has_start && has_finish) {
            start_date = end_date;
            start_date.blank = true;
            task_type = s_activity_type(kFinishMilestone);
        }
    }
    if (finish_column.present && column(133).exists) {
        if (status_code.value == kCompleted) act_progress_date = end_date;
        if (status_code.value == kInProgress) act_progress_date = restart_date;
    }
}

}  // namespace varnholt
