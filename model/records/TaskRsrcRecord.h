// TaskRsrcRecord.h - one resource assignment of an activity (XER table TASKRSRC).
#pragma once

#include "model/records/xer_field_slot.h"

#include <array>
#include <memory>

namespace varnholt {

class RoleRecord;
class RsrcRecord;
class TaskRecord;

// The values of an assignment that no view shows and many exports leave out or give empty:
// overtime, pending and prior timesheet figures, curves, lags, per-hour rates, and the dates
// that the reader drops. They live in a block of their own that exists only once the file
// stores something in it, which keeps an assignment small; until then every read answers the
// shared defaults (see TaskRsrcRecord::Details).
struct TaskRsrcDetails {
    s_unsigned_long acct_id;
    s_unsigned_long curv_id;
    s_bool cost_qty_link_flag{false};
    s_string skill_level;
    s_double pend_complete_pct;
    s_double unread_qty;  // no file field fills it; it keeps its place among the quantities
    s_double remain_qty_per_hr;
    s_double pend_act_reg_qty;
    s_double target_lag_drtn_hr_cnt;
    s_double target_qty_per_hr;
    s_double act_ot_qty;
    s_double pend_act_ot_qty;
    s_double relag_drtn_hr_cnt;
    s_double ot_factor;
    s_double cost_per_qty;
    s_double act_ot_cost;
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
};

class TaskRsrcRecord {
public:
    TaskRsrcRecord() = default;
    TaskRsrcRecord(const TaskRsrcRecord&) = delete;
    TaskRsrcRecord& operator=(const TaskRsrcRecord&) = delete;

    // The block of rarely given values, or the shared defaults while the file gave none.
    [[nodiscard]] const TaskRsrcDetails& Details() const;
    TaskRsrcDetails& EnsureDetails();

    s_unsigned_long taskrsrc_id;
    s_unsigned_long task_id;
    s_unsigned_long proj_id;
    s_unsigned_long role_id;
    s_unsigned_long rsrc_id;
    s_resource_type rsrc_type{L"RT_Labor"};
    s_double remain_qty;
    s_double target_qty;
    s_double act_reg_qty;
    s_double target_cost;
    s_double act_reg_cost;
    s_double remain_cost;
    s_string rate_type{L"COST_PER_QTY"};
    std::unique_ptr<TaskRsrcDetails> details;

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

// Each field lands in the record or in its block of details, never in both; the dates that
// the reader drops land in neither.
inline constexpr std::array<xer_field_slot<TaskRsrcRecord>, 49> kTaskRsrcXerFields = {
    &TaskRsrcRecord::taskrsrc_id,               // 1 taskrsrc_id
    &TaskRsrcRecord::task_id,
    &TaskRsrcRecord::proj_id,
    &TaskRsrcRecord::rsrc_type,
    not_stored{},                               // 5 cost_qty_link_flag
    &TaskRsrcRecord::role_id,
    not_stored{},                               // 7 acct_id
    &TaskRsrcRecord::rsrc_id,
    not_stored{},                               // 9 skill_level
    not_stored{},                               // 10 pend_complete_pct
    &TaskRsrcRecord::remain_qty,
    &TaskRsrcRecord::target_qty,
    not_stored{},                               // 13 remain_qty_per_hr
    not_stored{},                               // 14 pend_act_reg_qty
    not_stored{},                               // 15 target_lag_drtn_hr_cnt
    not_stored{},                               // 16 target_qty_per_hr
    not_stored{},                               // 17 act_ot_qty
    not_stored{},                               // 18 pend_act_ot_qty
    &TaskRsrcRecord::act_reg_qty,
    not_stored{},                               // 20 relag_drtn_hr_cnt
    not_stored{},                               // 21 ot_factor
    not_stored{},                               // 22 cost_per_qty
    &TaskRsrcRecord::target_cost,
    &TaskRsrcRecord::act_reg_cost,
    not_stored{},                               // 25 act_ot_cost
    &TaskRsrcRecord::remain_cost,
    not_stored{},                               // 27 act_start_date
    not_stored{},                               // 28 act_end_date
    not_stored{},                               // 29 restart_date
    not_stored{},                               // 30 reend_date
    not_stored{},                               // 31 target_start_date
    not_stored{},                               // 32 target_end_date
    not_stored{},                               // 33 rem_late_start_date
    not_stored{},                               // 34 rem_late_end_date
    not_stored{},                               // 35 guid
    &TaskRsrcRecord::rate_type,
    not_stored{},                               // 37 act_this_per_cost
    not_stored{},                               // 38 act_this_per_qty
    not_stored{},                               // 39 curv_id
    not_stored{},                               // 40 rollup_dates_flag
    not_stored{},                               // 41 cost_per_qty_source_type
    not_stored{},                               // 42 remain_crv
    not_stored{},                               // 43 target_crv
    not_stored{},                               // 44 actual_crv
    not_stored{},                               // 45 ts_pend_act_end_flag
    not_stored{},                               // 46 prior_ts_act_reg_qty
    not_stored{},                               // 47 prior_ts_act_ot_qty
    not_stored{},                               // 48 create_date
    not_stored{},                               // 49 create_user
};
static_assert(EachMemberOnce(kTaskRsrcXerFields));

inline constexpr std::array<xer_field_slot<TaskRsrcDetails>, 49> kTaskRsrcDetailXerFields = {
    not_stored{},                               // 1 taskrsrc_id
    not_stored{},                               // 2 task_id
    not_stored{},                               // 3 proj_id
    not_stored{},                               // 4 rsrc_type
    &TaskRsrcDetails::cost_qty_link_flag,       // 5 cost_qty_link_flag
    not_stored{},                               // 6 role_id
    &TaskRsrcDetails::acct_id,
    not_stored{},                               // 8 rsrc_id
    &TaskRsrcDetails::skill_level,
    &TaskRsrcDetails::pend_complete_pct,        // 10 pend_complete_pct
    not_stored{},                               // 11 remain_qty
    not_stored{},                               // 12 target_qty
    &TaskRsrcDetails::remain_qty_per_hr,
    &TaskRsrcDetails::pend_act_reg_qty,
    &TaskRsrcDetails::target_lag_drtn_hr_cnt,   // 15 target_lag_drtn_hr_cnt
    &TaskRsrcDetails::target_qty_per_hr,
    &TaskRsrcDetails::act_ot_qty,
    &TaskRsrcDetails::pend_act_ot_qty,
    not_stored{},                               // 19 act_reg_qty
    &TaskRsrcDetails::relag_drtn_hr_cnt,        // 20 relag_drtn_hr_cnt
    &TaskRsrcDetails::ot_factor,
    &TaskRsrcDetails::cost_per_qty,
    not_stored{},                               // 23 target_cost
    not_stored{},                               // 24 act_reg_cost
    &TaskRsrcDetails::act_ot_cost,              // 25 act_ot_cost
    not_stored{},                               // 26 remain_cost
    not_stored{},                               // 27 act_start_date
    not_stored{},                               // 28 act_end_date
    not_stored{},                               // 29 restart_date
    not_stored{},                               // 30 reend_date
    not_stored{},                               // 31 target_start_date
    not_stored{},                               // 32 target_end_date
    not_stored{},                               // 33 rem_late_start_date
    not_stored{},                               // 34 rem_late_end_date
    &TaskRsrcDetails::guid,                     // 35 guid
    not_stored{},                               // 36 rate_type
    &TaskRsrcDetails::act_this_per_cost,
    &TaskRsrcDetails::act_this_per_qty,
    &TaskRsrcDetails::curv_id,
    &TaskRsrcDetails::rollup_dates_flag,        // 40 rollup_dates_flag
    &TaskRsrcDetails::cost_per_qty_source_type,
    &TaskRsrcDetails::remain_crv,
    &TaskRsrcDetails::target_crv,
    &TaskRsrcDetails::actual_crv,
    &TaskRsrcDetails::ts_pend_act_end_flag,     // 45 ts_pend_act_end_flag
    &TaskRsrcDetails::prior_ts_act_reg_qty,
    &TaskRsrcDetails::prior_ts_act_ot_qty,
    not_stored{},                               // 48 create_date
    &TaskRsrcDetails::create_user,
};
static_assert(EachMemberOnce(kTaskRsrcDetailXerFields));

}  // namespace varnholt
