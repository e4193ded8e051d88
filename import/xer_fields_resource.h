// xer_fields_resource.h - the columns of the resource, assignment, role and shift tables
// (RSRC, RSRCRATE, TASKRSRC, RSRCROLE, ROLES, ROLERATE, ROLELIMIT, SHIFT, SHIFTPER).
#pragma once

#include "import/xer_field_defs.h"
#include "model/s_unit.h"

namespace varnholt {

inline constexpr xer_field_def kRsrcFieldDefs[] = {
    {L"rsrc_id"}, {L"clndr_id"}, {L"rsrc_seq_num"}, {L"timesheet_flag"}, {L"active_flag"},   //  1- 5
    {L"rsrc_type"}, {L"auto_compute_act_flag"}, {L"ot_flag"}, {L"def_cost_qty_link_flag"},   //  6- 9
    {L"rsrc_short_name"}, {L"rsrc_name"}, {L"parent_rsrc_id"},                               // 10-12
    {L"xfer_complete_day_cnt"}, {L"xfer_notstart_day_cnt"}, {L"ts_approve_user_id"},         // 13-15
    {L"user_id"}, {L"role_id"}, {L"curr_id"}, {L"shift_id"}, {L"ot_factor"},                 // 16-20
    quantity(L"def_qty_per_hr", s_unit::kUnitsPerTime), {L"guid"}, {L"cost_qty_type"},       // 21-23
    {L"office_phone"}, {L"other_phone"}, {L"employee_code"}, {L"rsrc_title_name"},           // 24-27
    {L"email_addr"}, {L"unit_id"}, {L"rsrc_notes"},                                          // 28-30
};

// An empty price here is a zero price; on ROLERATE it is blank.
inline constexpr xer_field_def kRsrcRateFieldDefs[] = {
    {L"rsrc_rate_id"}, {L"rsrc_id"}, {L"start_date"}, {L"shift_period_id"},
    quantity(L"max_qty_per_hr", s_unit::kUnitsPerTime), quantity(L"cost_per_qty", s_unit::kPricePerHour),
    quantity(L"cost_per_qty2", s_unit::kPricePerHour), quantity(L"cost_per_qty3", s_unit::kPricePerHour),
    quantity(L"cost_per_qty4", s_unit::kPricePerHour), quantity(L"cost_per_qty5", s_unit::kPricePerHour),
};

inline constexpr xer_field_def kTaskRsrcFieldDefs[] = {
    {L"taskrsrc_id"}, {L"task_id"}, {L"proj_id"}, {L"rsrc_type"}, {L"cost_qty_link_flag"},    //  1- 5
    {L"role_id"}, {L"acct_id"}, {L"rsrc_id"}, {L"skill_level"}, {L"pend_complete_pct"},      //  6-10
    {L"remain_qty"}, {L"target_qty"}, {L"remain_qty_per_hr"}, {L"pend_act_reg_qty"},         // 11-14
    {L"target_lag_drtn_hr_cnt"}, {L"target_qty_per_hr"}, {L"act_ot_qty"},                    // 15-17
    {L"pend_act_ot_qty"}, {L"act_reg_qty"}, {L"relag_drtn_hr_cnt"}, {L"ot_factor"},          // 18-21
    {L"cost_per_qty"}, {L"target_cost"}, {L"act_reg_cost"}, {L"act_ot_cost"},                // 22-25
    {L"remain_cost"}, {L"act_start_date"}, {L"act_end_date"}, {L"restart_date"},             // 26-29
    {L"reend_date"}, {L"target_start_date"}, {L"target_end_date"},                           // 30-32
    {L"rem_late_start_date"}, {L"rem_late_end_date"}, {L"guid"}, {L"rate_type"},             // 33-36
    {L"act_this_per_cost"}, {L"act_this_per_qty"}, {L"curv_id"}, {L"rollup_dates_flag"},     // 37-40
    {L"cost_per_qty_source_type"}, {L"remain_crv"}, {L"target_crv"}, {L"actual_crv"},        // 41-44
    {L"ts_pend_act_end_flag"}, {L"prior_ts_act_reg_qty"}, {L"prior_ts_act_ot_qty"},          // 45-47
    {L"create_date"}, {L"create_user"},                                                      // 48-49
};

inline constexpr xer_field_def kRsrcRoleFieldDefs[] = {
    {L"rsrc_role_id"}, {L"rsrc_id"}, {L"role_id"}, {L"rsrc_type"}, {L"rsrc_short_name"},
    {L"rsrc_name"}, {L"role_short_name"}, {L"role_name"}, {L"skill_level"},
};

inline constexpr xer_field_def kRoleFieldDefs[] = {
    {L"role_id"}, {L"role_short_name"}, {L"role_name"}, {L"seq_num"}, {L"parent_role_id"},
    {L"def_cost_qty_link_flag"}, {L"cost_qty_type"}, {L"role_descr"},
};

inline constexpr xer_field_def kRoleRateFieldDefs[] = {
    {L"role_rate_id"}, {L"role_id"},
    blank_if_empty(L"cost_per_qty", s_unit::kPricePerHour), blank_if_empty(L"cost_per_qty2", s_unit::kPricePerHour),
    blank_if_empty(L"cost_per_qty3", s_unit::kPricePerHour), blank_if_empty(L"cost_per_qty4", s_unit::kPricePerHour),
    blank_if_empty(L"cost_per_qty5", s_unit::kPricePerHour),
};

inline constexpr xer_field_def kRoleLimitFieldDefs[] = {
    {L"rolelimit_id"}, {L"role_id"}, keep_if_empty(L"start_date"),
    quantity(L"max_qty_per_hr", s_unit::kUnitsPerTime),
};

inline constexpr xer_field_def kShiftFieldDefs[] = {{L"shift_id"}, {L"shift_name"}};

inline constexpr xer_field_def kShiftPerFieldDefs[] = {
    {L"shift_period_id"}, {L"shift_id"}, {L"shift_start_hr_num"},
};

}  // namespace varnholt
