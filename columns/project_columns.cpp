// project_columns.cpp - the built-in project columns, ids 214 to 373, in ascending id order.
// A name beginning "project\7C" (a literal backslash, '7', 'C') is a field of the PROJECT record.

#include "columns/built_in_columns.h"

namespace varnholt {

namespace {

using G = ColumnGroup;
using K = ColumnValueKind;
using S = ColumnSummaryRule;

// {id, field name, caption id, group, value kind, summary rule, present, file field name}
constexpr BuiltInColumn kProjectColumns[] = {
    // Baseline
    {214, L"project\\7Cbaseline_name", 90137, G::baseline, K::text, S::none, 0, ""},  // Baseline
    {215, L"project\\7Cbaseline_data_date", 52630, G::baseline, K::text, S::none, 0, ""},  // Baseline Data Date
    // Budget
    {216, L"curr_budg", 1773, G::budget, K::text, S::none, 0, ""},  // Current Budget
    {217, L"cur_var", 1779, G::budget, K::text, S::none, 0, ""},  // Current Variance
    {218, L"distrib_cur_budg", 1785, G::budget, K::text, S::none, 0, ""},  // Distributed Current Budget
    {219, L"indep_remain_work_qty", 1784, G::budget, K::text, S::none, 0, ""},  // Independent ETC Labor Units
    {220, L"indep_remain_total_cost", 1783, G::budget, K::text, S::none, 0, ""},  // Independent ETC Total Cost
    {221, L"orig_cost", 1782, G::budget, K::real, S::none, 1, ""},  // Original Budget
    {222, L"request_cost", 1774, G::budget, K::text, S::none, 0, ""},  // Proposed Budget
    {223, L"tot_benefit_plan", 1776, G::budget, K::text, S::none, 0, ""},  // Total Benefit Plan
    {224, L"tot_benefit_plan_tally", 1778, G::budget, K::text, S::none, 0, ""},  // Total Benefit Plan Tally
    {225, L"project\\7Ctot_funding", 52419, G::budget, K::text, S::none, 0, ""},  // Total Funding
    {226, L"tot_spend_plan", 1775, G::budget, K::text, S::none, 0, ""},  // Total Spending Plan
    {227, L"tot_spend_plan_tally", 1777, G::budget, K::text, S::none, 0, ""},  // Total Spending Plan Tally
    {228, L"unalloc_budg", 1781, G::budget, K::text, S::none, 0, ""},  // Unallocated Budget
    {229, L"undistrib_cur_var", 1780, G::budget, K::text, S::none, 0, ""},  // Undistributed Current Variance
    // Costs
    {230, L"act_expense_cost", 57355, G::costs, K::cost, S::none, 0, ""},  // Actual Expense Cost
    {231, L"act_work_cost", 57351, G::costs, K::cost, S::none, 0, ""},  // Actual Labor Cost
    {232, L"act_mat_cost", 57354, G::costs, K::cost, S::none, 0, ""},  // Actual Material Cost
    {233, L"act_equip_cost", 57353, G::costs, K::cost, S::none, 0, ""},  // Actual Nonlabor Cost
    {234, L"act_this_per_work_cost", 57067, G::costs, K::cost, S::none, 0, ""},  // Actual This Period Labor Cost
    {235, L"act_this_per_mat_cost", 57239, G::costs, K::cost, S::none, 0, ""},  // Actual This Period Material Cost
    {236, L"act_this_per_equip_cost", 57068, G::costs, K::cost, S::none, 0, ""},  // Actual This Period Nonlabor Cost
    {237, L"act_cost", 50706, G::costs, K::cost, S::none, 0, ""},  // Actual Total Cost
    {238, L"total_expense_cost", 50725, G::costs, K::cost, S::none, 0, ""},  // At Completion Expense Cost
    {239, L"total_work_cost", 50724, G::costs, K::cost, S::none, 0, ""},  // At Completion Labor Cost
    {240, L"total_mat_cost", 57240, G::costs, K::cost, S::none, 0, ""},  // At Completion Material Cost
    {241, L"total_equip_cost", 50723, G::costs, K::cost, S::none, 0, ""},  // At Completion Nonlabor Cost
    {242, L"total_cost", 50726, G::costs, K::cost, S::none, 0, ""},  // At Completion Total Cost
    {243, L"base_expense_cost", 50714, G::costs, K::cost, S::none, 0, ""},  // BL Project Expense Cost
    {244, L"base_work_cost", 50712, G::costs, K::cost, S::none, 0, ""},  // BL Project Labor Cost
    {245, L"base_mat_cost", 57237, G::costs, K::cost, S::none, 0, ""},  // BL Project Material Cost
    {246, L"base_equip_cost", 50713, G::costs, K::cost, S::none, 0, ""},  // BL Project Nonlabor Cost
    {247, L"base_cost", 50711, G::costs, K::cost, S::none, 0, ""},  // BL Project Total Cost
    {248, L"remain_expense_cost", 50709, G::costs, K::cost, S::none, 0, ""},  // Remaining Expense Cost
    {249, L"remain_work_cost", 50707, G::costs, K::cost, S::none, 0, ""},  // Remaining Labor Cost
    {250, L"remain_mat_cost", 57241, G::costs, K::cost, S::none, 0, ""},  // Remaining Material Cost
    {251, L"remain_equip_cost", 50708, G::costs, K::cost, S::none, 0, ""},  // Remaining Nonlabor Cost
    {252, L"remain_cost", 50710, G::costs, K::cost, S::none, 0, ""},  // Remaining Total Cost
    {253, L"var_expense_cost", 51643, G::costs, K::cost, S::none, 0, ""},  // Variance - BL Project Expense Cost
    {254, L"var_work_cost", 51640, G::costs, K::cost, S::none, 0, ""},  // Variance - BL Project Labor Cost
    {255, L"var_mat_cost", 57242, G::costs, K::cost, S::none, 0, ""},  // Variance - BL Project Material Cost
    {256, L"var_equip_cost", 51641, G::costs, K::cost, S::none, 0, ""},  // Variance - BL Project Nonlabor Cost
    {257, L"var_cost", 51642, G::costs, K::cost, S::none, 0, ""},  // Variance - BL Project Total Cost
    // Dates
    {258, L"act_end_date", 51331, G::dates, K::date, S::latest, 1, "_act_end_date"},  // Actual Finish
    {259, L"act_start_date", 51330, G::dates, K::date, S::earliest, 1, "_act_start_date"},  // Actual Start
    {260, L"anticip_end_date", 1788, G::dates, K::date, S::latest, 1, ""},  // Anticipated Finish
    {261, L"anticip_start_date", 1787, G::dates, K::date, S::earliest, 1, ""},  // Anticipated Start
    {262, L"base_end_date", 57373, G::dates, K::date, S::none, 0, ""},  // BL Project Finish
    {263, L"base_start_date", 57372, G::dates, K::date, S::none, 0, ""},  // BL Project Start
    {264, L"primary_base_end_date", 50684, G::dates, K::date, S::none, 0, ""},  // BL1 Finish
    {265, L"primary_base_start_date", 50683, G::dates, K::date, S::none, 0, ""},  // BL1 Start
    {266, L"secondary_base_end_date", 57075, G::dates, K::date, S::none, 0, ""},  // BL2 Finish
    {267, L"secondary_base_start_date", 57074, G::dates, K::date, S::none, 0, ""},  // BL2 Start
    {268, L"tertiary_base_end_date", 57077, G::dates, K::date, S::none, 0, ""},  // BL3 Finish
    {269, L"tertiary_base_start_date", 57076, G::dates, K::date, S::none, 0, ""},  // BL3 Start
    {270, L"project\\7Cdata_date", 30584, G::dates, K::date, S::none, 1, ""},  // Data Date
    {271, L"end_date", 51335, G::dates, K::date, S::latest, 1, "_end_date"},  // Finish
    {272, L"forecast_end_date", 1790, G::dates, K::date, S::none, 0, ""},  // Forecast Finish Date
    {273, L"forecast_start_date", 1789, G::dates, K::date, S::none, 0, ""},  // Forecast Start Date
    {274, L"project\\7Capply_actuals_date", 57613, G::dates, K::date, S::none, 1, ""},  // Last Apply Actuals Date
    {275, L"project\\7Cplan_end_date", 51020, G::dates, K::date, S::none, 1, ""},  // Must Finish By
    {276, L"project\\7Cfcst_start_date", 51686, G::dates, K::date, S::none, 1, ""},  // Project Forecast Start
    {277, L"project\\7Cplan_start_date", 1763, G::dates, K::date, S::none, 1, ""},  // Project Planned Start
    {278, L"project\\7Cscd_end_date", 51030, G::dates, K::date, S::none, 1, ""},  // Schedule Finish
    {279, L"start_date", 51334, G::dates, K::date, S::earliest, 1, "_start_date"},  // Start
    // Durations
    {280, L"act_drtn_hr_cnt", 50733, G::durations, K::duration, S::none, 1, ""},  // Actual Duration
    {281, L"total_drtn_hr_cnt", 50737, G::durations, K::duration, S::duration_span, 1, ""},  // At Completion Duration
    {282, L"base_drtn_hr_cnt", 50688, G::durations, K::duration, S::none, 0, ""},  // BL Project Duration
    {283, L"remain_drtn_hr_cnt", 51336, G::durations, K::duration, S::duration_span, 1, ""},  // Remaining Duration
    {284, L"total_float_hr_cnt", 50690, G::durations, K::duration, S::duration_span, 0, ""},  // Total Float
    {285, L"var_drtn_hr_cnt", 51646, G::durations, K::duration, S::none, 0, ""},  // Variance - BL Project Duration
    {286, L"var_end_date_drtn_hr_cnt", 51645, G::durations, K::duration, S::none, 0, ""},  // Variance - BL Project Finish Date
    {287, L"var_start_date_drtn_hr_cnt", 51644, G::durations, K::duration, S::none, 0, ""},  // Variance - BL Project Start Date
    // Earned Value
    {288, L"av", 50777, G::earned_value, K::text, S::none, 0, ""},  // Accounting Variance
    {289, L"av_work", 51663, G::earned_value, K::text, S::none, 0, ""},  // Accounting Variance - Labor Units
    {290, L"acwp", 50764, G::earned_value, K::text, S::none, 0, ""},  // Actual Cost
    {291, L"bac", 50765, G::earned_value, K::text, S::none, 0, ""},  // Budget At Completion
    {292, L"bac_work", 57442, G::earned_value, K::text, S::none, 0, ""},  // Budget At Completion (BAC) - Labor Units
    {293, L"cpi", 50771, G::earned_value, K::text, S::none, 0, ""},  // Cost Performance Index
    {294, L"cpi_work", 51659, G::earned_value, K::text, S::none, 0, ""},  // Cost Performance Index - Labor Units
    {295, L"cv", 50770, G::earned_value, K::text, S::none, 0, ""},  // Cost Variance
    {296, L"cv_work", 51664, G::earned_value, K::text, S::none, 0, ""},  // Cost Variance - Labor Units
    {297, L"cvi", 50772, G::earned_value, K::text, S::none, 0, ""},  // Cost Variance Index
    {298, L"cvi_work", 51660, G::earned_value, K::text, S::none, 0, ""},  // Cost Variance Index - Labor Units
    {299, L"bcwp", 50767, G::earned_value, K::text, S::none, 0, ""},  // Earned Value Cost
    {300, L"perfm_work_qty", 3748, G::earned_value, K::text, S::none, 0, ""},  // Earned Value Labor Units
    {301, L"eac_work", 3749, G::earned_value, K::text, S::none, 0, ""},  // Estimate at Completion-Labor Units
    {302, L"eac", 70050, G::earned_value, K::text, S::none, 0, ""},  // Estimate at Completion Cost
    {303, L"etc", 50768, G::earned_value, K::text, S::none, 0, ""},  // Estimate To Complete
    {304, L"etc_work_qty", 1762, G::earned_value, K::text, S::none, 0, ""},  // Estimate To Complete Labor Units
    {305, L"bcws", 50766, G::earned_value, K::text, S::none, 0, ""},  // Planned Value Cost
    {306, L"sched_work_qty", 3747, G::earned_value, K::text, S::none, 0, ""},  // Planned Value Labor Units
    {307, L"spi", 50774, G::earned_value, K::text, S::none, 0, ""},  // Schedule Performance Index
    {308, L"spi_work", 51661, G::earned_value, K::text, S::none, 0, ""},  // Schedule Performance Index - Labor Units
    {309, L"sv", 50299, G::earned_value, K::text, S::none, 0, ""},  // Schedule Variance
    {310, L"sv_work", 51665, G::earned_value, K::text, S::none, 0, ""},  // Schedule Variance - Labor Units
    {311, L"svi", 50305, G::earned_value, K::text, S::none, 0, ""},  // Schedule Variance Index
    {312, L"svi_work", 51662, G::earned_value, K::text, S::none, 0, ""},  // Schedule Variance Index - Labor Units
    {313, L"tcpi", 2832, G::earned_value, K::text, S::none, 0, ""},  // To Complete Performance Index
    {314, L"vac", 50776, G::earned_value, K::text, S::none, 0, ""},  // Variance At Completion
    {315, L"vac_work", 51666, G::earned_value, K::text, S::none, 0, ""},  // Variance At Completion - Labor Units
    // General
    {316, L"project\\7Ctask_code_prefix_flag", 57073, G::general, K::flag, S::none, 1, ""},  // Activity ID based on selected activity
    {317, L"project\\7Cadd_act_remain_flag", 57070, G::general, K::flag, S::none, 1, ""},  // Add Actual To Remain
    {318, L"project\\7Cadd_by_name", 57376, G::general, K::text, S::none, 1, ""},  // Added By
    {319, L"project\\7Callow_neg_act_flag", 57271, G::general, K::flag, S::none, 1, ""},  // Allow Negative Actual Units
    {320, L"project\\7Ccheckout_user_id", 57284, G::general, K::integer, S::none, 0, ""},  // Checked Out By
    {321, L"project\\7Ccost_qty_recalc_flag", 52659, G::general, K::flag, S::none, 1, ""},  // Cost Qty Recalc Flag
    {322, L"project\\7Cadd_date", 20035, G::general, K::date, S::none, 1, ""},  // Date added
    {323, L"project\\7Ccheckout_date", 57283, G::general, K::date, S::none, 1, ""},  // Date Checked Out
    {324, L"project\\7Cdef_rollup_dates_flag", 57234, G::general, K::flag, S::none, 1, ""},  // Drive Activity Dates Default
    {325, L"project\\7Crem_target_link_flag", 57215, G::general, K::text, S::none, 0, ""},  // Link %s and At Completion
    {326, L"project\\7Cact_pct_link_flag", 57071, G::general, K::text, S::none, 0, ""},  // Link Percent Complete With Actual
    {327, L"node_type", 1769, G::general, K::text, S::none, 1, ""},  // Node Type
    {328, L"project\\7Cproj_short_name", 51025, G::general, K::text, S::none, 1, "project_short_name"},  // Project ID
    {329, L"project\\7Cpriority_num", 51021, G::general, K::integer, S::none, 1, ""},  // Project Leveling Priority
    {330, L"project\\7Cproj_name", 51024, G::general, K::text, S::none, 1, ""},  // Project Name
    {331, L"status_code", 51069, G::general, K::project_status, S::none, 1, ""},  // Project Status
    {332, L"project\\7Cproj_url", 51027, G::general, K::text, S::none, 1, ""},  // Project Web Site URL
    {333, L"project\\7Cdef_rate_type", 57048, G::general, K::rate_type, S::none, 1, ""},  // Rate Type
    {334, L"project\\7Creset_planned_flag", 200035, G::general, K::flag, S::none, 1, ""},  // Reset Original to Remaining
    {335, L"obs_id", 30575, G::general, K::text, S::none, 1, ""},  // Responsible Manager
    {336, L"project\\7Csource_proj_id", 57539, G::general, K::integer, S::none, 0, ""},  // Source Project
    {337, L"project\\7Cstrgy_priority_num", 51675, G::general, K::integer, S::none, 1, ""},  // Strategic Priority
    {338, L"project\\7Cweb_local_root_path", 51035, G::general, K::text, S::none, 1, ""},  // Web Site Root Directory
    // Number of Activities
    {339, L"complete_cnt", 50753, G::number_of_activities, K::integer, S::total, 1, "_complete_cnt"},  // Actual Completed Activities
    {340, L"active_cnt", 50752, G::number_of_activities, K::integer, S::total, 1, "_active_cnt"},  // Actual In-Progress Activities
    {341, L"notstarted_cnt", 50751, G::number_of_activities, K::integer, S::total, 1, "_notstarted_cnt"},  // Actual Not-Started Activities
    {342, L"base_complete_cnt", 50756, G::number_of_activities, K::integer, S::none, 0, ""},  // BL Project Completed Activities
    {343, L"base_active_cnt", 50755, G::number_of_activities, K::integer, S::none, 0, ""},  // BL Project In-Progress Activities
    {344, L"base_notstarted_cnt", 50754, G::number_of_activities, K::integer, S::none, 0, ""},  // BL Project Not-Started Activities
    {345, L"task_cnt", 51039, G::number_of_activities, K::integer, S::total, 1, "_task_cnt"},  // Total Activities
    // Percent Completes
    {346, L"cost_complete_pct", 50718, G::percent_completes, K::percent, S::none, 0, ""},  // Cost % Complete
    {347, L"act_pct_spent", 57159, G::percent_completes, K::percent, S::none, 0, ""},  // Cost % of Budget (%)
    {348, L"drtn_pct_spent", 57164, G::percent_completes, K::percent, S::none, 0, ""},  // Duration % of Original (%)
    {349, L"expense_complete_pct", 50717, G::percent_completes, K::percent, S::none, 0, ""},  // Expense Cost % Complete
    {350, L"work_cost_complete_pct", 50715, G::percent_completes, K::percent, S::none, 0, ""},  // Labor Cost % Complete
    {351, L"work_complete_pct", 50739, G::percent_completes, K::percent, S::none, 0, ""},  // Labor Units % Complete
    {352, L"mat_cost_complete_pct", 57243, G::percent_completes, K::percent, S::none, 0, ""},  // Material Cost % Complete
    {353, L"equip_cost_complete_pct", 50716, G::percent_completes, K::percent, S::none, 0, ""},  // Nonlabor Cost % Complete
    {354, L"equip_complete_pct", 50740, G::percent_completes, K::percent, S::none, 0, ""},  // Nonlabor Units % Complete
    {355, L"perfm_complete_pct", 50761, G::percent_completes, K::percent, S::none, 0, ""},  // Performance % Complete
    {356, L"sched_complete_pct", 50760, G::percent_completes, K::percent, S::none, 0, ""},  // Schedule % Complete
    {357, L"effort_complete_pct", 50741, G::percent_completes, K::percent, S::none, 0, ""},  // Units % Complete
    // Summary
    {358, L"sum_data_flag", 1772, G::summary, K::flag, S::none, 0, ""},  // Contains Summary Data
    {359, L"project\\7Cbatch_sum_flag", 52643, G::summary, K::flag, S::none, 1, ""},  // Enable Summarization
    {360, L"project\\7Clast_tasksum_date", 52666, G::summary, K::date, S::none, 1, ""},  // Last Summarized Date
    {361, L"project\\7Copen_state", 52633, G::summary, K::text, S::none, 0, ""},  // Open State
    // Units
    {362, L"act_work_qty", 50693, G::units, K::quantity, S::total, 1, "_act_work_qty"},  // Actual Labor Units
    {363, L"act_equip_qty", 50694, G::units, K::quantity, S::total, 1, "_act_equip_qty"},  // Actual Nonlabor Units
    {364, L"act_this_per_work_qty", 57064, G::units, K::quantity, S::total, 1, "_act_this_per_work_qty"},  // Actual This Period Labor Units
    {365, L"act_this_per_equip_qty", 57065, G::units, K::quantity, S::total, 1, "_act_this_per_equip_qty"},  // Actual This Period Nonlabor Units
    {366, L"total_work_qty", 50699, G::units, K::quantity, S::total, 1, ""},  // At Completion Labor Units
    {367, L"total_equip_qty", 50700, G::units, K::quantity, S::total, 1, ""},  // At Completion Nonlabor Units
    {368, L"base_work_qty", 50697, G::units, K::quantity, S::none, 0, ""},  // BL Project Labor Units
    {369, L"base_equip_qty", 50698, G::units, K::quantity, S::none, 0, ""},  // BL Project Nonlabor Units
    {370, L"remain_work_qty", 50695, G::units, K::quantity, S::total, 1, "_remain_work_qty"},  // Remaining Labor Units
    {371, L"remain_equip_qty", 50696, G::units, K::quantity, S::total, 1, "_remain_equip_qty"},  // Remaining Nonlabor Units
    {372, L"var_work_qty", 51638, G::units, K::quantity, S::none, 0, ""},  // Variance - BL Project Labor Units
    {373, L"var_equip_qty", 51639, G::units, K::quantity, S::none, 0, ""},  // Variance - BL Project Nonlabor Units
};

}  // namespace

std::span<const BuiltInColumn> BuiltInProjectColumns() noexcept { return kProjectColumns; }

}  // namespace varnholt
