// TaskRecord.h - one activity (XER table TASK) and the lists of what hangs on it.
#pragma once

#include "model/records/record_defaults.h"
#include "model/records/xer_field_slot.h"

#include <array>
#include <memory>
#include <cstdint>
#include <vector>

namespace varnholt::document {
class Document;
}

namespace varnholt {

class CalendarRecord;
class MemoRecord;
class ProjWbsRecord;
class ProjectRecord;
class RsrcRecord;
class TaskPredRecord;
class TaskProcRecord;
class TaskRsrcRecord;

// The values of an activity that only a workbook supplies (see TaskRecord::workbook_values).
struct TaskWorkbookValues {
    s_unit perfm_work_qty, sched_work_qty, base_work_qty, base_equip_qty, primary_base_work_qty,
        primary_base_equip_qty, var_work_qty, var_equip_qty, var_primary_work_qty, var_primary_equip_qty;
    s_cost act_expense_cost, act_work_cost, act_mat_cost, act_equip_cost, act_this_per_work_cost,
        act_this_per_mat_cost, act_this_per_equip_cost, act_cost;
    s_cost total_expense_cost, total_work_cost, total_mat_cost, total_equip_cost, total_cost;
    s_cost base_expense_cost, base_work_cost, base_mat_cost, base_equip_cost, base_cost;
    s_cost primary_base_expense_cost, primary_base_work_cost, primary_base_mat_cost, primary_base_equip_cost,
        primary_base_cost;
    s_cost target_expense_cost, target_work_cost, target_mat_cost, target_equip_cost, target_cost;
    s_cost remain_expense_cost, remain_work_cost, remain_mat_cost, remain_equip_cost, remain_cost;
    s_cost var_expense_cost, var_work_cost, var_mat_cost, var_equip_cost, var_cost;
    s_cost var_primary_expense_cost, var_primary_work_cost, var_primary_mat_cost, var_primary_equip_cost,
        var_primary_cost;
    s_cost av, acwp, bac, cv, bcwp, eac, etc, bcws, sv, vac;  // earned value
    s_date base_end_date, base_start_date, primary_base_end_date, primary_base_start_date,
        secondary_base_end_date, secondary_base_start_date, tertiary_base_end_date, tertiary_base_start_date;
    s_percent complete_pct, cost_complete_pct, act_pct_spent, drtn_complete_pct, drtn_pct_spent,
        expense_complete_pct, work_cost_complete_pct, work_complete_pct, mat_cost_complete_pct,
        equip_cost_complete_pct, equip_complete_pct, perfm_complete_pct, sched_complete_pct,
        effort_complete_pct;
    s_dur base_drtn_hr_cnt, primary_base_drtn_hr_cnt, remain_float_hr_cnt, var_drtn_hr_cnt,
        var_end_date_drtn_hr_cnt, var_start_date_drtn_hr_cnt, var_primary_drtn_hr_cnt,
        var_primary_end_date_drtn_hr_cnt, var_primary_start_date_drtn_hr_cnt;
};

// The file values of an activity that exports mostly leave out or give empty: they live in a
// block of their own that exists only once the file stores something in it, which keeps an
// activity small; until then every read answers the shared defaults (see
// TaskRecord::OptionalValues).
struct TaskOptionalValues {
    s_double est_wt;
    s_bool rev_fdbk_flag;
    s_bool lock_plan_flag;
    s_bool auto_compute_act_flag;
    // Holds the place of the file's review_type, which is not read: no file fills it.
    s_review_status review_status = unset_value<s_review_status>(1);
    s_date expect_end_date;
    s_date review_end_date;
    s_string guid;
    s_string tmpl_guid;
    s_int float_path_order;
    s_date cstr_date2;
    s_constraint_type cstr_type2 = unset_value<s_constraint_type>(2);
    s_date suspend_date;
    s_date resume_date;
    s_date external_early_start_date;
    s_date external_late_end_date;
};

class TaskRecord {
public:
    TaskRecord() = default;
    TaskRecord(const TaskRecord&) = delete;
    TaskRecord& operator=(const TaskRecord&) = delete;

    // The link passes append in document order; duplicates and nulls are the caller's affair.
    void AddAssignment(TaskRsrcRecord* assignment) { assignments.push_back(assignment); }
    void AddPredecessor(TaskPredRecord* relationship) { predecessors.push_back(relationship); }
    void AddSuccessor(TaskPredRecord* relationship) { successors.push_back(relationship); }
    void AddStep(TaskProcRecord* step) { steps.push_back(step); }
    void AddMemo(MemoRecord* memo) { memos.push_back(memo); }

    // The value behind an activity field id (6-213, and the WBS date ids 417-434 and 512 that
    // the roll-ups ask of activities), or the shared null value for an id the activity does not
    // answer; never null. Const in effect: the first read of a duration or quantity gives it
    // the hours per period of the activity's calendar.
    [[nodiscard]] const s_val* GetFieldValue(std::int32_t field_id) const;
    // As GetFieldValue, and besides the load-time columns of user-defined fields and of
    // activity codes.
    [[nodiscard]] const s_val* GetColumnValue(std::int32_t column_id) const;

    // The post-load passes of an XER file and of a workbook: run once per activity, after the
    // links are complete and before the WBS and resource passes.
    void ComputeDerived();
    void ComputeDerivedXls();

    s_unsigned_long task_id;
    s_unsigned_long proj_id;
    s_unsigned_long wbs_id;
    s_unsigned_long clndr_id;
    s_unsigned_long rsrc_id;
    s_percent phys_complete_pct;
    s_percent_comlete_type complete_pct_type{1};  // CP_Drtn
    s_activity_type task_type;
    s_duration_type duration_type = unset_value<s_duration_type>(3);
    s_activity_status status_code = unset_value<s_activity_status>(2);
    // Durations and quantities are mutable: field access puts the calendar's hours per period
    // into them on their first read.
    s_string task_code;
    s_string task_name;
    mutable s_dur total_float_hr_cnt;
    mutable s_dur free_float_hr_cnt;
    mutable s_dur remain_drtn_hr_cnt;
    mutable s_unit act_work_qty;
    mutable s_unit remain_work_qty;
    mutable s_unit target_work_qty;
    mutable s_dur target_drtn_hr_cnt;
    mutable s_unit target_equip_qty;
    mutable s_unit act_equip_qty;
    mutable s_unit remain_equip_qty;
    s_date cstr_date;
    s_date act_start_date;
    s_date act_end_date;
    s_date late_start_date;
    s_date late_end_date;
    s_date early_start_date;
    s_date early_end_date;
    s_date restart_date;
    s_date reend_date;
    s_date target_start_date;
    s_date target_end_date;
    s_date rem_late_start_date;
    s_date rem_late_end_date;
    s_constraint_type cstr_type = unset_value<s_constraint_type>(2);
    s_leveling_priority priority_type = unset_value<s_leveling_priority>(1);
    s_int float_path;
    mutable s_unit act_this_per_work_qty;
    mutable s_unit act_this_per_equip_qty;
    s_bool driving_path_flag;
    s_date update_date;
    s_string update_user;
    s_date create_date;
    s_string create_user;

    // Derived values, each named after the field of the column that shows it. The post-load
    // pass fills the dates, counts, durations and lists; the others keep these defaults.
    // The shown start and finish hold 0 seconds without a value until a pass or the workbook
    // gives them one: the workbook pass tells a milestone by the one that stays without.
    s_date act_progress_date, start_date, end_date;
    s_bool critical_flag{false};
    s_string resource_list, role_list, role_code_list;
    s_int row_count, taskrsrc_cnt, complete_cnt, active_cnt, notstarted_cnt;
    mutable s_dur total_drtn_hr_cnt{0.0}, act_drtn_hr_cnt{0.0};
    s_string pred_list, succ_list;
    s_string rsrc_label;  // "short name.name" of the activity's resource; field 147 shows it
    s_int step_cnt, step_complete_cnt, step_active_cnt, step_notstarted_cnt;
    mutable s_unit total_work_qty, total_equip_qty;
    // Costs, earned value, baselines and percentages come only from a workbook's columns; an
    // XER file fills none of them. They live in a block of their own that exists only once
    // something is stored in it, which keeps an activity small; until then every read answers
    // the shared defaults (see WorkbookValues).
    std::unique_ptr<TaskWorkbookValues> workbook_values;
    [[nodiscard]] const TaskWorkbookValues& WorkbookValues() const;
    TaskWorkbookValues& EnsureWorkbookValues();
    // The file's values that exports mostly leave out or empty, in a block made the same way
    // (see OptionalValues).
    std::unique_ptr<TaskOptionalValues> optional_values;
    [[nodiscard]] const TaskOptionalValues& OptionalValues() const;
    TaskOptionalValues& EnsureOptionalValues();

    s_int load_order;  // place among the file's activities, from 0; set by the factory

    const document::Document* doc = nullptr;
    ProjWbsRecord* wbs = nullptr;
    ProjectRecord* project = nullptr;
    CalendarRecord* calendar = nullptr;
    RsrcRecord* resource = nullptr;  // the resource of rsrc_id
    std::vector<TaskRsrcRecord*> assignments;
    std::vector<TaskPredRecord*> predecessors;  // relationships in which this is the successor
    std::vector<TaskPredRecord*> successors;    // relationships in which this is the predecessor
    std::vector<TaskProcRecord*> steps;
    std::vector<MemoRecord*> memos;
};

// A field reader (see field_dispatch.h) of a value in the activity's workbook block.
template <auto Member>
const s_val* FromWorkbook(const TaskRecord& task) {
    return &(task.WorkbookValues().*Member);
}

// A field reader of a value in the activity's block of optional values.
template <auto Member>
const s_val* FromOptional(const TaskRecord& task) {
    return &(task.OptionalValues().*Member);
}

// Each field lands in the activity or in its block of optional values, never in both.
inline constexpr std::array<xer_field_slot<TaskRecord>, 61> kTaskXerFields = {
    &TaskRecord::task_id,                   // 1
    &TaskRecord::proj_id,
    &TaskRecord::wbs_id,
    &TaskRecord::clndr_id,
    not_stored{},                           // 5 est_wt
    &TaskRecord::phys_complete_pct,
    not_stored{},                           // rev_fdbk_flag
    not_stored{},                           // lock_plan_flag
    not_stored{},                           // auto_compute_act_flag
    &TaskRecord::complete_pct_type,         // 10
    &TaskRecord::task_type,
    &TaskRecord::duration_type,
    not_stored{},                           // review_type
    &TaskRecord::status_code,
    &TaskRecord::task_code,                 // 15
    &TaskRecord::task_name,
    &TaskRecord::rsrc_id,
    &TaskRecord::total_float_hr_cnt,
    &TaskRecord::free_float_hr_cnt,
    &TaskRecord::remain_drtn_hr_cnt,        // 20
    &TaskRecord::act_work_qty,
    &TaskRecord::remain_work_qty,
    &TaskRecord::target_work_qty,
    &TaskRecord::target_drtn_hr_cnt,
    &TaskRecord::target_equip_qty,          // 25
    &TaskRecord::act_equip_qty,
    &TaskRecord::remain_equip_qty,
    &TaskRecord::cstr_date,
    &TaskRecord::act_start_date,
    &TaskRecord::act_end_date,              // 30
    &TaskRecord::late_start_date,
    &TaskRecord::late_end_date,
    not_stored{},                           // expect_end_date
    &TaskRecord::early_start_date,
    &TaskRecord::early_end_date,            // 35
    &TaskRecord::restart_date,
    &TaskRecord::reend_date,
    &TaskRecord::target_start_date,
    &TaskRecord::target_end_date,
    not_stored{},                           // 40 review_end_date
    &TaskRecord::rem_late_start_date,
    &TaskRecord::rem_late_end_date,
    &TaskRecord::cstr_type,
    &TaskRecord::priority_type,
    not_stored{},                           // 45 guid
    not_stored{},                           // tmpl_guid
    not_stored{},                           // cstr_date2
    not_stored{},                           // cstr_type2
    &TaskRecord::float_path,
    not_stored{},                           // 50 float_path_order
    &TaskRecord::act_this_per_work_qty,
    &TaskRecord::act_this_per_equip_qty,
    &TaskRecord::driving_path_flag,
    not_stored{},                           // suspend_date
    not_stored{},                           // 55 resume_date
    not_stored{},                           // external_early_start_date
    not_stored{},                           // external_late_end_date
    &TaskRecord::update_date,
    &TaskRecord::update_user,
    &TaskRecord::create_date,               // 60
    &TaskRecord::create_user,
};
static_assert(EachMemberOnce(kTaskXerFields));

inline constexpr std::array<xer_field_slot<TaskOptionalValues>, 61> kTaskOptionalXerFields = {
    not_stored{},                           // task_id
    not_stored{},                           // proj_id
    not_stored{},                           // wbs_id
    not_stored{},                           // clndr_id
    &TaskOptionalValues::est_wt,            // 5
    not_stored{},                           // phys_complete_pct
    &TaskOptionalValues::rev_fdbk_flag,
    &TaskOptionalValues::lock_plan_flag,
    &TaskOptionalValues::auto_compute_act_flag,
    not_stored{},                           // 10 complete_pct_type
    not_stored{},                           // task_type
    not_stored{},                           // duration_type
    not_stored{},                           // review_type
    not_stored{},                           // status_code
    not_stored{},                           // 15 task_code
    not_stored{},                           // task_name
    not_stored{},                           // rsrc_id
    not_stored{},                           // total_float_hr_cnt
    not_stored{},                           // free_float_hr_cnt
    not_stored{},                           // 20 remain_drtn_hr_cnt
    not_stored{},                           // act_work_qty
    not_stored{},                           // remain_work_qty
    not_stored{},                           // target_work_qty
    not_stored{},                           // target_drtn_hr_cnt
    not_stored{},                           // 25 target_equip_qty
    not_stored{},                           // act_equip_qty
    not_stored{},                           // remain_equip_qty
    not_stored{},                           // cstr_date
    not_stored{},                           // act_start_date
    not_stored{},                           // 30 act_end_date
    not_stored{},                           // late_start_date
    not_stored{},                           // late_end_date
    &TaskOptionalValues::expect_end_date,
    not_stored{},                           // early_start_date
    not_stored{},                           // 35 early_end_date
    not_stored{},                           // restart_date
    not_stored{},                           // reend_date
    not_stored{},                           // target_start_date
    not_stored{},                           // target_end_date
    &TaskOptionalValues::review_end_date,   // 40
    not_stored{},                           // rem_late_start_date
    not_stored{},                           // rem_late_end_date
    not_stored{},                           // cstr_type
    not_stored{},                           // priority_type
    &TaskOptionalValues::guid,              // 45
    &TaskOptionalValues::tmpl_guid,
    &TaskOptionalValues::cstr_date2,
    &TaskOptionalValues::cstr_type2,
    not_stored{},                           // float_path
    &TaskOptionalValues::float_path_order,  // 50
    not_stored{},                           // act_this_per_work_qty
    not_stored{},                           // act_this_per_equip_qty
    not_stored{},                           // driving_path_flag
    &TaskOptionalValues::suspend_date,
    &TaskOptionalValues::resume_date,       // 55
    &TaskOptionalValues::external_early_start_date,
    &TaskOptionalValues::external_late_end_date,
    not_stored{},                           // update_date
    not_stored{},                           // update_user
    not_stored{},                           // 60 create_date
    not_stored{},                           // create_user
};
static_assert(EachMemberOnce(kTaskOptionalXerFields));

}  // namespace varnholt
