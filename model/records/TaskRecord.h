// TaskRecord.h - one activity (XER table TASK) and the lists of what hangs on it.
#pragma once

#include "model/records/record_defaults.h"
#include "model/records/xer_field_slot.h"

#include <array>
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

    s_unsigned_long task_id;
    s_unsigned_long proj_id;
    s_unsigned_long wbs_id;
    s_unsigned_long clndr_id;
    s_unsigned_long rsrc_id;
    s_double est_wt;
    s_percent phys_complete_pct;
    s_bool rev_fdbk_flag;
    s_bool lock_plan_flag;
    s_bool auto_compute_act_flag;
    s_percent_comlete_type complete_pct_type{1};  // CP_Drtn
    s_activity_type task_type;
    s_duration_type duration_type = unset_value<s_duration_type>(3);
    // Holds the place of the file's review_type, which is not read: no file fills it.
    s_review_status review_status = unset_value<s_review_status>(1);
    s_activity_status status_code = unset_value<s_activity_status>(2);
    s_string task_code;
    s_string task_name;
    s_dur total_float_hr_cnt;
    s_dur free_float_hr_cnt;
    s_dur remain_drtn_hr_cnt;
    s_unit act_work_qty;
    s_unit remain_work_qty;
    s_unit target_work_qty;
    s_dur target_drtn_hr_cnt;
    s_unit target_equip_qty;
    s_unit act_equip_qty;
    s_unit remain_equip_qty;
    s_date cstr_date;
    s_date act_start_date;
    s_date act_end_date;
    s_date late_start_date;
    s_date late_end_date;
    s_date expect_end_date;
    s_date early_start_date;
    s_date early_end_date;
    s_date restart_date;
    s_date reend_date;
    s_date target_start_date;
    s_date target_end_date;
    s_date review_end_date;
    s_date rem_late_start_date;
    s_date rem_late_end_date;
    s_constraint_type cstr_type = unset_value<s_constraint_type>(2);
    s_leveling_priority priority_type = unset_value<s_leveling_priority>(1);
    s_string guid;
    s_string tmpl_guid;
    s_date cstr_date2;
    s_constraint_type cstr_type2 = unset_value<s_constraint_type>(2);
    s_int float_path;
    s_int float_path_order;
    s_unit act_this_per_work_qty;
    s_unit act_this_per_equip_qty;
    s_bool driving_path_flag;
    s_date suspend_date;
    s_date resume_date;
    s_date external_early_start_date;
    s_date external_late_end_date;
    s_date update_date;
    s_string update_user;
    s_date create_date;
    s_string create_user;

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

inline constexpr std::array<xer_field_slot<TaskRecord>, 61> kTaskXerFields = {
    &TaskRecord::task_id,                   // 1
    &TaskRecord::proj_id,
    &TaskRecord::wbs_id,
    &TaskRecord::clndr_id,
    &TaskRecord::est_wt,                    // 5
    &TaskRecord::phys_complete_pct,
    &TaskRecord::rev_fdbk_flag,
    &TaskRecord::lock_plan_flag,
    &TaskRecord::auto_compute_act_flag,
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
    &TaskRecord::expect_end_date,
    &TaskRecord::early_start_date,
    &TaskRecord::early_end_date,            // 35
    &TaskRecord::restart_date,
    &TaskRecord::reend_date,
    &TaskRecord::target_start_date,
    &TaskRecord::target_end_date,
    &TaskRecord::review_end_date,           // 40
    &TaskRecord::rem_late_start_date,
    &TaskRecord::rem_late_end_date,
    &TaskRecord::cstr_type,
    &TaskRecord::priority_type,
    &TaskRecord::guid,                      // 45
    &TaskRecord::tmpl_guid,
    &TaskRecord::cstr_date2,
    &TaskRecord::cstr_type2,
    &TaskRecord::float_path,
    &TaskRecord::float_path_order,          // 50
    &TaskRecord::act_this_per_work_qty,
    &TaskRecord::act_this_per_equip_qty,
    &TaskRecord::driving_path_flag,
    &TaskRecord::suspend_date,
    &TaskRecord::resume_date,               // 55
    &TaskRecord::external_early_start_date,
    &TaskRecord::external_late_end_date,
    &TaskRecord::update_date,
    &TaskRecord::update_user,
    &TaskRecord::create_date,               // 60
    &TaskRecord::create_user,
};

}  // namespace varnholt
