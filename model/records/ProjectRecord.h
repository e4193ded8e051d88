// ProjectRecord.h - a project of the schedule (XER table PROJECT) and its link to its WBS.
#pragma once

#include "model/records/xer_field_slot.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace varnholt::document {
class Document;
}

namespace varnholt {

class CalendarRecord;
class ProjWbsRecord;
class TaskRecord;

class ProjectRecord {
public:
    ProjectRecord() = default;
    ProjectRecord(const ProjectRecord&) = delete;
    ProjectRecord& operator=(const ProjectRecord&) = delete;

    void AddActivity(TaskRecord* activity) { activities.push_back(activity); }
    void AddWbs(ProjWbsRecord* wbs) { wbs_elements.push_back(wbs); }

    // The value behind a project field id (221-371), or the shared null value; never null.
    // Const in effect: the summaries are rolled up over the root WBS element's subtree on
    // first read, kept here and in the root element's summary cache.
    [[nodiscard]] const s_val* GetFieldValue(std::int32_t field_id) const;
    // As GetFieldValue, and besides the load-time columns of user-defined fields and of
    // project codes.
    [[nodiscard]] const s_val* GetColumnValue(std::int32_t column_id) const;

    s_unsigned_long proj_id;
    s_unsigned_long acct_id;
    s_unsigned_long orig_proj_id;
    s_unsigned_long source_proj_id;
    s_unsigned_long base_type_id;
    s_unsigned_long clndr_id;
    s_unsigned_long sum_base_proj_id;
    s_unsigned_long rsrc_id;
    s_unsigned_long checkout_user_id;
    s_unsigned_long last_fin_dates_id;
    s_int fy_start_month_num;
    s_bool chng_eff_cmp_pct_flag{false};
    s_bool rsrc_self_add_flag{true};
    s_bool allow_complete_flag{false};
    s_bool rsrc_multi_assign_flag{true};
    s_bool checkout_flag{false};
    s_bool project_flag{true};
    s_bool step_complete_flag{false};
    s_bool cost_qty_recalc_flag{false};
    s_bool sum_only_flag{false};
    s_bool batch_sum_flag{true};
    // Plain texts have no null flag: the file's text, empty included, replaces them whole.
    std::wstring name_sep_char;
    std::wstring def_complete_pct_type = L"CP_Drtn";
    s_string proj_short_name;
    s_int task_code_base;
    s_int task_code_step;
    s_int priority_num;
    s_int wbs_max_sum_level;
    std::wstring risk_level;
    s_int strgy_priority_num;
    s_int last_checksum;
    s_dur critical_drtn_hr_cnt;
    s_double def_cost_per_qty;
    s_date last_recalc_date;
    s_date plan_start_date;
    s_date plan_end_date;
    s_date scd_end_date;
    s_date add_date;
    s_date last_tasksum_date;  // no reader fills it: the file's field is dropped
    s_date extra_date;         // no reader fills it either
    s_date fcst_start_date;
    s_string def_duration_type;
    s_string task_code_prefix;
    s_string guid;
    s_string def_qty_type;
    s_string add_by_name;
    s_string web_local_root_path;
    s_string proj_url;
    s_rate_type def_rate_type;
    s_bool act_this_per_link_flag{true};
    std::wstring def_task_type = L"TT_Task";
    s_bool act_pct_link_flag{false};
    s_bool add_act_remain_flag;
    std::wstring critical_path_type;
    s_bool task_code_prefix_flag;
    s_bool def_rollup_dates_flag{true};
    s_bool rem_target_link_flag{true};
    s_bool reset_planned_flag{true};
    s_bool allow_neg_act_flag{false};
    s_bool msp_managed_flag{false};
    s_bool msp_update_actuals_flag{false};
    s_date checkout_date;
    std::wstring sum_assign_level = L"SL_Taskrsrc";
    s_bool use_project_baseline_flag{true};
    s_bool ts_rsrc_vw_compl_asgn_flag{false};
    s_bool ts_rsrc_mark_act_finish_flag{false};
    s_bool ts_rsrc_vw_inact_actv_flag{false};
    std::wstring cr_external_key;
    s_date apply_actuals_date;
    std::wstring intg_proj_type;

    // Derived values, named after the field of the column that shows them; the summaries are
    // mutable because field access rolls them up on their first read.
    s_node_type node_type{1};
    mutable s_date act_end_date, end_date, act_start_date, start_date;
    mutable s_int complete_cnt, active_cnt, notstarted_cnt, task_cnt;
    mutable s_unit act_work_qty, act_equip_qty, act_this_per_work_qty, act_this_per_equip_qty, total_work_qty,
        total_equip_qty, remain_work_qty, remain_equip_qty;
    mutable s_dur act_drtn_hr_cnt, total_drtn_hr_cnt, remain_drtn_hr_cnt;

    s_int load_order;  // set by the document's factory

    const document::Document* doc = nullptr;
    std::vector<TaskRecord*> activities;
    std::vector<ProjWbsRecord*> wbs_elements;  // every element of the project, not only the top ones
    ProjWbsRecord* root_wbs = nullptr;
    const CalendarRecord* calendar = nullptr;
};

// The build pass's link of a WBS element to its project (null when proj_id finds none): the
// element points at the project, which lists it. An element whose parent_wbs_id finds no WBS
// element in the file (`parent_in_file` null) becomes the project's root, so of several
// such elements the last one linked, in document order, stays.
void LinkWbsToProject(ProjWbsRecord& wbs, ProjectRecord* project, const ProjWbsRecord* parent_in_file);

inline constexpr std::array<xer_field_slot<ProjectRecord>, 79> kProjectXerFields = {
    &ProjectRecord::proj_id,                      //  1
    &ProjectRecord::fy_start_month_num,           //  2
    &ProjectRecord::rsrc_self_add_flag,           //  3
    &ProjectRecord::allow_complete_flag,          //  4
    &ProjectRecord::rsrc_multi_assign_flag,       //  5
    &ProjectRecord::checkout_flag,                //  6
    &ProjectRecord::project_flag,                 //  7
    &ProjectRecord::step_complete_flag,           //  8
    &ProjectRecord::cost_qty_recalc_flag,         //  9
    &ProjectRecord::batch_sum_flag,               // 10
    &ProjectRecord::name_sep_char,                // 11
    &ProjectRecord::def_complete_pct_type,        // 12
    &ProjectRecord::proj_short_name,              // 13
    &ProjectRecord::acct_id,                      // 14
    &ProjectRecord::orig_proj_id,                 // 15
    &ProjectRecord::source_proj_id,               // 16
    &ProjectRecord::base_type_id,                 // 17
    &ProjectRecord::clndr_id,                     // 18
    &ProjectRecord::sum_base_proj_id,             // 19
    &ProjectRecord::task_code_base,               // 20
    &ProjectRecord::task_code_step,               // 21
    &ProjectRecord::priority_num,                 // 22
    &ProjectRecord::wbs_max_sum_level,            // 23
    &ProjectRecord::strgy_priority_num,           // 24
    &ProjectRecord::last_checksum,                // 25
    &ProjectRecord::critical_drtn_hr_cnt,         // 26
    &ProjectRecord::def_cost_per_qty,             // 27
    &ProjectRecord::last_recalc_date,             // 28
    &ProjectRecord::plan_start_date,              // 29
    &ProjectRecord::plan_end_date,                // 30
    &ProjectRecord::scd_end_date,                 // 31
    &ProjectRecord::add_date,                     // 32
    not_stored{},                                 // 33 last_tasksum_date
    &ProjectRecord::fcst_start_date,              // 34
    &ProjectRecord::def_duration_type,            // 35
    &ProjectRecord::task_code_prefix,             // 36
    &ProjectRecord::guid,                         // 37
    &ProjectRecord::def_qty_type,                 // 38
    &ProjectRecord::add_by_name,                  // 39
    &ProjectRecord::web_local_root_path,          // 40
    &ProjectRecord::proj_url,                     // 41
    &ProjectRecord::def_rate_type,                // 42
    &ProjectRecord::add_act_remain_flag,          // 43
    &ProjectRecord::act_this_per_link_flag,       // 44
    &ProjectRecord::def_task_type,                // 45
    &ProjectRecord::act_pct_link_flag,            // 46
    &ProjectRecord::critical_path_type,           // 47
    &ProjectRecord::task_code_prefix_flag,        // 48
    &ProjectRecord::def_rollup_dates_flag,        // 49
    &ProjectRecord::use_project_baseline_flag,    // 50
    &ProjectRecord::rem_target_link_flag,         // 51
    &ProjectRecord::reset_planned_flag,           // 52
    &ProjectRecord::allow_neg_act_flag,           // 53
    &ProjectRecord::sum_assign_level,             // 54
    &ProjectRecord::last_fin_dates_id,            // 55
    not_stored{},                                 // 56 last_baseline_update_date
    &ProjectRecord::cr_external_key,              // 57
    &ProjectRecord::apply_actuals_date,           // 58
    not_stored{},                                 // 59 location_id
    not_stored{},                                 // 60 loaded_scope_level
    not_stored{},                                 // 61 export_flag
    not_stored{},                                 // 62 new_fin_dates_id
    not_stored{},                                 // 63 next_data_date
    not_stored{},                                 // 64 close_period_flag
    not_stored{},                                 // 65 sum_refresh_date
    not_stored{},                                 // 66 trsrcsum_loaded
    &ProjectRecord::chng_eff_cmp_pct_flag,        // 67
    &ProjectRecord::sum_only_flag,                // 68
    &ProjectRecord::risk_level,                   // 69
    not_stored{},                                 // 70 sum_data_date
    &ProjectRecord::rsrc_id,                      // 71
    &ProjectRecord::msp_managed_flag,             // 72
    &ProjectRecord::msp_update_actuals_flag,      // 73
    &ProjectRecord::checkout_date,                // 74
    &ProjectRecord::checkout_user_id,             // 75
    &ProjectRecord::ts_rsrc_vw_compl_asgn_flag,   // 76
    &ProjectRecord::ts_rsrc_mark_act_finish_flag, // 77
    &ProjectRecord::ts_rsrc_vw_inact_actv_flag,   // 78
    &ProjectRecord::intg_proj_type,               // 79
};
static_assert(EachMemberOnce(kProjectXerFields));

}  // namespace varnholt
