// TaskRsrcRecord.h - one resource assignment of an activity (XER table TASKRSRC).
#pragma once

#include "model/records/xer_field_slot.h"

#include <array>

namespace varnholt {

class RoleRecord;
class RsrcRecord;
class TaskRecord;

class TaskRsrcRecord {
public:
    TaskRsrcRecord() = default;
    TaskRsrcRecord(const TaskRsrcRecord&) = delete;
    TaskRsrcRecord& operator=(const TaskRsrcRecord&) = delete;

    s_unsigned_long taskrsrc_id;
    s_unsigned_long task_id;
    s_unsigned_long proj_id;
    s_unsigned_long role_id;
    s_unsigned_long acct_id;
    s_unsigned_long rsrc_id;
    s_unsigned_long curv_id;
    s_resource_type rsrc_type{L"RT_Labor"};
    s_bool cost_qty_link_flag{false};
    s_string skill_level;
    s_double pend_complete_pct;
    s_double remain_qty;
    s_double unread_qty;  // no file field fills it; it keeps its place among the quantities
    s_double target_qty;
    s_double remain_qty_per_hr;
    s_double pend_act_reg_qty;
    s_double target_lag_drtn_hr_cnt;
    s_double target_qty_per_hr;
    s_double act_ot_qty;
    s_double pend_act_ot_qty;
    s_double act_reg_qty;
    s_double relag_drtn_hr_cnt;
    s_double ot_factor;
    s_double cost_per_qty;
    s_double target_cost;
    s_double act_reg_cost;
    s_double act_ot_cost;
    s_double remain_cost;
    // The file's assignment dates are dropped on reading (the activity's own dates are shown);
    // these members stand where those fields stand and stay without a value.
    s_date act_start_date;
    s_date act_end_date;
    s_date restart_date;
    s_date reend_date;
    s_date target_start_date;
    s_date target_end_date;
    s_date rem_late_start_date;
    s_date rem_late_end_date;
    s_string guid;
    s_string rate_type{L"COST_PER_QTY"};
    s_double act_this_per_cost;
    s_double act_this_per_qty;
    s_bool rollup_dates_flag{true};
    s_string cost_per_qty_source_type{L"ST_Rsrc"};
    s_string remain_crv;
    s_string target_crv;
    s_string actual_crv;
    s_bool ts_pend_act_end_flag{false};
    s_double prior_ts_act_reg_qty;
    s_double prior_ts_act_ot_qty;
    s_date create_date;  // dropped on reading, like the dates above
    s_string create_user;

    TaskRecord* task = nullptr;
    RsrcRecord* resource = nullptr;
    RoleRecord* role = nullptr;
};

// Attaches the assignment to the activity of its task_id, but only when both name the same
// project: an assignment whose project differs from its activity's must not count towards
// that activity. Answers whether it was attached; when not, `task` stays null. The resource
// side (the resource link and the resource's own list) and the role link are set by the
// caller.
bool LinkAssignmentToActivity(TaskRsrcRecord& assignment, TaskRecord* activity);

inline constexpr std::array<xer_field_slot<TaskRsrcRecord>, 49> kTaskRsrcXerFields = {
    &TaskRsrcRecord::taskrsrc_id,               // 1
    &TaskRsrcRecord::task_id,
    &TaskRsrcRecord::proj_id,
    &TaskRsrcRecord::rsrc_type,
    &TaskRsrcRecord::cost_qty_link_flag,        // 5
    &TaskRsrcRecord::role_id,
    &TaskRsrcRecord::acct_id,
    &TaskRsrcRecord::rsrc_id,
    &TaskRsrcRecord::skill_level,
    &TaskRsrcRecord::pend_complete_pct,         // 10
    &TaskRsrcRecord::remain_qty,
    &TaskRsrcRecord::target_qty,
    &TaskRsrcRecord::remain_qty_per_hr,
    &TaskRsrcRecord::pend_act_reg_qty,
    &TaskRsrcRecord::target_lag_drtn_hr_cnt,    // 15
    &TaskRsrcRecord::target_qty_per_hr,
    &TaskRsrcRecord::act_ot_qty,
    &TaskRsrcRecord::pend_act_ot_qty,
    &TaskRsrcRecord::act_reg_qty,
    &TaskRsrcRecord::relag_drtn_hr_cnt,         // 20
    &TaskRsrcRecord::ot_factor,
    &TaskRsrcRecord::cost_per_qty,
    &TaskRsrcRecord::target_cost,
    &TaskRsrcRecord::act_reg_cost,
    &TaskRsrcRecord::act_ot_cost,               // 25
    &TaskRsrcRecord::remain_cost,
    not_stored{},                               // act_start_date
    not_stored{},                               // act_end_date
    not_stored{},                               // restart_date
    not_stored{},                               // 30 reend_date
    not_stored{},                               // target_start_date
    not_stored{},                               // target_end_date
    not_stored{},                               // rem_late_start_date
    not_stored{},                               // rem_late_end_date
    &TaskRsrcRecord::guid,                      // 35
    &TaskRsrcRecord::rate_type,
    &TaskRsrcRecord::act_this_per_cost,
    &TaskRsrcRecord::act_this_per_qty,
    &TaskRsrcRecord::curv_id,
    &TaskRsrcRecord::rollup_dates_flag,         // 40
    &TaskRsrcRecord::cost_per_qty_source_type,
    &TaskRsrcRecord::remain_crv,
    &TaskRsrcRecord::target_crv,
    &TaskRsrcRecord::actual_crv,
    &TaskRsrcRecord::ts_pend_act_end_flag,      // 45
    &TaskRsrcRecord::prior_ts_act_reg_qty,
    &TaskRsrcRecord::prior_ts_act_ot_qty,
    not_stored{},                               // create_date
    &TaskRsrcRecord::create_user,
};
static_assert(EachMemberOnce(kTaskRsrcXerFields));

}  // namespace varnholt
