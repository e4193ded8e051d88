// xer_fields_activity.h - the columns of the activity, relationship, step, WBS and project
// tables (TASK, TASKPRED, TASKPROC, PROJWBS, PROJECT), in field id order.
#pragma once

#include "import/xer_field_defs.h"

namespace varnholt {

inline constexpr xer_field_def kTaskFieldDefs[] = {
    {L"task_id"}, {L"proj_id"}, {L"wbs_id"}, {L"clndr_id"}, {L"est_wt"},                      //  1- 5
    {L"phys_complete_pct"}, {L"rev_fdbk_flag"}, {L"lock_plan_flag"},                         //  6- 8
    {L"auto_compute_act_flag"}, {L"complete_pct_type"}, {L"task_type"},                      //  9-11
    {L"duration_type"}, {L"review_type"}, {L"status_code"}, {L"task_code"},                 // 12-15
    {L"task_name"}, {L"rsrc_id"},                                                            // 16-17
    blank_if_empty(L"total_float_hr_cnt"), blank_if_empty(L"free_float_hr_cnt"),             // 18-19
    {L"remain_drtn_hr_cnt"}, {L"act_work_qty"}, {L"remain_work_qty"},                        // 20-22
    {L"target_work_qty"}, {L"target_drtn_hr_cnt"}, {L"target_equip_qty"},                    // 23-25
    {L"act_equip_qty"}, {L"remain_equip_qty"},                                               // 26-27
    keep_if_empty(L"cstr_date"), keep_if_empty(L"act_start_date"),                           // 28-29
    keep_if_empty(L"act_end_date"), keep_if_empty(L"late_start_date"),                       // 30-31
    keep_if_empty(L"late_end_date"), keep_if_empty(L"expect_end_date"),                      // 32-33
    keep_if_empty(L"early_start_date"), keep_if_empty(L"early_end_date"),                    // 34-35
    keep_if_empty(L"restart_date"), keep_if_empty(L"reend_date"),                            // 36-37
    keep_if_empty(L"target_start_date"), keep_if_empty(L"target_end_date"),                  // 38-39
    keep_if_empty(L"review_end_date"), keep_if_empty(L"rem_late_start_date"),                // 40-41
    keep_if_empty(L"rem_late_end_date"), {L"cstr_type"}, {L"priority_type"},                 // 42-44
    {L"guid"}, {L"tmpl_guid"}, keep_if_empty(L"cstr_date2"), {L"cstr_type2"},                // 45-48
    {L"float_path", empty_text_rule::blank_int_max},                                         // 49
    {L"float_path_order", empty_text_rule::blank_int_max},                                   // 50
    {L"act_this_per_work_qty"}, {L"act_this_per_equip_qty"}, {L"driving_path_flag"},         // 51-53
    keep_if_empty(L"suspend_date"), keep_if_empty(L"resume_date"),                           // 54-55
    keep_if_empty(L"external_early_start_date"), keep_if_empty(L"external_late_end_date"),   // 56-57
    keep_if_empty(L"update_date"), keep_if_empty(L"update_user"),                            // 58-59
    keep_if_empty(L"create_date"), {L"create_user"},                                         // 60-61
};

inline constexpr xer_field_def kTaskPredFieldDefs[] = {
    {L"task_pred_id"}, {L"task_id"}, {L"pred_task_id"}, {L"proj_id"}, {L"pred_proj_id"},
    {L"pred_type"}, {L"lag_hr_cnt"},
};

inline constexpr xer_field_def kTaskProcFieldDefs[] = {
    {L"proc_id"}, {L"task_id"}, {L"proj_id"}, {L"seq_num"}, {L"proc_name"},
    {L"complete_flag"}, {L"proc_wt"}, {L"complete_pct"}, {L"proc_descr"},
};

inline constexpr xer_field_def kProjWbsFieldDefs[] = {
    {L"wbs_id"}, {L"proj_id"}, {L"obs_id"}, {L"seq_num"}, {L"est_wt"},                        //  1- 5
    {L"proj_node_flag"}, {L"sum_data_flag"}, {L"status_code"}, {L"wbs_short_name"},          //  6- 9
    {L"wbs_name"}, {L"phase_id"}, {L"parent_wbs_id"}, {L"ev_user_pct"},                      // 10-13
    {L"ev_etc_user_value"}, {L"orig_cost"}, {L"indep_remain_total_cost"},                    // 14-16
    {L"ann_dscnt_rate_pct"}, {L"dscnt_period_type"}, {L"indep_remain_work_qty"},             // 17-19
    keep_if_empty(L"anticip_start_date"), keep_if_empty(L"anticip_end_date"),                // 20-21
    {L"ev_compute_type"}, {L"ev_etc_compute_type"}, {L"guid"}, {L"tmpl_guid"},               // 22-25
};

inline constexpr xer_field_def kProjectFieldDefs[] = {
    {L"proj_id"}, {L"fy_start_month_num"}, {L"rsrc_self_add_flag"},                          //  1- 3
    {L"allow_complete_flag"}, {L"rsrc_multi_assign_flag"}, {L"checkout_flag"},               //  4- 6
    {L"project_flag"}, {L"step_complete_flag"}, {L"cost_qty_recalc_flag"},                   //  7- 9
    {L"batch_sum_flag"}, {L"name_sep_char"}, {L"def_complete_pct_type"},                     // 10-12
    {L"proj_short_name"}, {L"acct_id"}, {L"orig_proj_id"}, {L"source_proj_id"},              // 13-16
    {L"base_type_id"}, {L"clndr_id"}, {L"sum_base_proj_id"}, {L"task_code_base"},            // 17-20
    {L"task_code_step"}, {L"priority_num"}, {L"wbs_max_sum_level"},                          // 21-23
    {L"strgy_priority_num"}, {L"last_checksum"}, {L"critical_drtn_hr_cnt"},                  // 24-26
    {L"def_cost_per_qty"}, keep_if_empty(L"last_recalc_date"),                               // 27-28
    keep_if_empty(L"plan_start_date"), keep_if_empty(L"plan_end_date"),                      // 29-30
    keep_if_empty(L"scd_end_date"), keep_if_empty(L"add_date"),                              // 31-32
    {L"last_tasksum_date"}, keep_if_empty(L"fcst_start_date"),                               // 33-34
    {L"def_duration_type"}, {L"task_code_prefix"}, {L"guid"}, {L"def_qty_type"},             // 35-38
    {L"add_by_name"}, {L"web_local_root_path"}, {L"proj_url"}, {L"def_rate_type"},           // 39-42
    {L"add_act_remain_flag"}, {L"act_this_per_link_flag"}, {L"def_task_type"},               // 43-45
    {L"act_pct_link_flag"}, {L"critical_path_type"}, {L"task_code_prefix_flag"},             // 46-48
    {L"def_rollup_dates_flag"}, {L"use_project_baseline_flag"},                              // 49-50
    {L"rem_target_link_flag"}, {L"reset_planned_flag"}, {L"allow_neg_act_flag"},             // 51-53
    {L"sum_assign_level"}, {L"last_fin_dates_id"}, {L"last_baseline_update_date"},           // 54-56
    {L"cr_external_key"}, keep_if_empty(L"apply_actuals_date"), {L"location_id"},            // 57-59
    {L"loaded_scope_level"}, {L"export_flag"}, {L"new_fin_dates_id"},                        // 60-62
    {L"next_data_date"}, {L"close_period_flag"}, {L"sum_refresh_date"},                      // 63-65
    {L"trsrcsum_loaded"}, {L"chng_eff_cmp_pct_flag"}, {L"sum_only_flag"},                    // 66-68
    {L"risk_level"}, {L"sum_data_date"}, {L"rsrc_id"}, {L"msp_managed_flag"},                // 69-72
    {L"msp_update_actuals_flag"}, keep_if_empty(L"checkout_date"),                           // 73-74
    {L"checkout_user_id"}, {L"ts_rsrc_vw_compl_asgn_flag"},                                  // 75-76
    {L"ts_rsrc_mark_act_finish_flag"}, {L"ts_rsrc_vw_inact_actv_flag"},                      // 77-78
    {L"intg_proj_type"},                                                                     // 79
};

}  // namespace varnholt
