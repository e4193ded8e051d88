// wbs_columns.cpp - the built-in WBS columns, ids 374 to 512, in table order.
// Runs of ascending ids, except that 374 and 510 follow 474 and 377 follows 482, so the table
// begins with 375 and the WBS code (374) is its hundredth entry.

#include "columns/built_in_columns.h"

namespace varnholt {

namespace {

using G = ColumnGroup;
using K = ColumnValueKind;
using S = ColumnSummaryRule;

// {id, field name, caption id, group, value kind, summary rule, present, file field name}
constexpr BuiltInColumn kWbsColumns[] = {
    // Budget
    {375, L"curr_budg", 1773, G::budget, K::text, S::none, 0, ""},  // Current Budget
    {376, L"cur_var", 1779, G::budget, K::text, S::none, 0, ""},  // Current Variance
    {378, L"distrib_cur_budg", 1785, G::budget, K::text, S::none, 0, ""},  // Distributed Current Budget
    {379, L"indep_remain_work_qty", 1784, G::budget, K::real, S::none, 1, ""},  // Independent ETC Labor Units
    {380, L"indep_remain_total_cost", 1783, G::budget, K::real, S::none, 1, ""},  // Independent ETC Total Cost
    {381, L"orig_cost", 1782, G::budget, K::real, S::none, 1, ""},  // Original Budget
    {382, L"request_cost", 1774, G::budget, K::text, S::none, 0, ""},  // Proposed Budget
    {383, L"tot_benefit_plan", 1776, G::budget, K::text, S::none, 0, ""},  // Total Benefit Plan
    {384, L"tot_benefit_plan_tally", 1778, G::budget, K::text, S::none, 0, ""},  // Total Benefit Plan Tally
    {385, L"tot_spend_plan", 1775, G::budget, K::text, S::none, 0, ""},  // Total Spending Plan
    {386, L"tot_spend_plan_tally", 1777, G::budget, K::text, S::none, 0, ""},  // Total Spending Plan Tally
    {387, L"unalloc_budg", 1781, G::budget, K::text, S::none, 0, ""},  // Unallocated Budget
    {388, L"undistrib_cur_var", 1780, G::budget, K::text, S::none, 0, ""},  // Undistributed Current Variance
    // Costs
    {389, L"act_expense_cost", 57355, G::costs, K::text, S::none, 0, ""},  // Actual Expense Cost
    {390, L"act_work_cost", 57351, G::costs, K::text, S::none, 0, ""},  // Actual Labor Cost
    {391, L"act_mat_cost", 57354, G::costs, K::text, S::none, 0, ""},  // Actual Material Cost
    {392, L"act_equip_cost", 57353, G::costs, K::text, S::none, 0, ""},  // Actual Nonlabor Cost
    {393, L"act_this_per_work_cost", 57067, G::costs, K::text, S::none, 0, ""},  // Actual This Period Labor Cost
    {394, L"act_this_per_mat_cost", 57239, G::costs, K::text, S::none, 0, ""},  // Actual This Period Material Cost
    {395, L"act_this_per_equip_cost", 57068, G::costs, K::text, S::none, 0, ""},  // Actual This Period Nonlabor Cost
    {396, L"act_cost", 50706, G::costs, K::cost, S::none, 0, ""},  // Actual Total Cost
    {397, L"total_expense_cost", 50725, G::costs, K::text, S::none, 0, ""},  // At Completion Expense Cost
    {398, L"total_work_cost", 50724, G::costs, K::text, S::none, 0, ""},  // At Completion Labor Cost
    {399, L"total_mat_cost", 57240, G::costs, K::text, S::none, 0, ""},  // At Completion Material Cost
    {400, L"total_equip_cost", 50723, G::costs, K::text, S::none, 0, ""},  // At Completion Nonlabor Cost
    {401, L"total_cost", 50726, G::costs, K::text, S::none, 0, ""},  // At Completion Total Cost
    {402, L"base_expense_cost", 50714, G::costs, K::text, S::none, 0, ""},  // BL Project Expense Cost
    {403, L"base_work_cost", 50712, G::costs, K::text, S::none, 0, ""},  // BL Project Labor Cost
    {404, L"base_mat_cost", 57237, G::costs, K::text, S::none, 0, ""},  // BL Project Material Cost
    {405, L"base_equip_cost", 50713, G::costs, K::text, S::none, 0, ""},  // BL Project Nonlabor Cost
    {406, L"base_cost", 50711, G::costs, K::text, S::none, 0, ""},  // BL Project Total Cost
    {407, L"remain_expense_cost", 50709, G::costs, K::text, S::none, 0, ""},  // Remaining Expense Cost
    {408, L"remain_work_cost", 50707, G::costs, K::text, S::none, 0, ""},  // Remaining Labor Cost
    {409, L"remain_mat_cost", 57241, G::costs, K::text, S::none, 0, ""},  // Remaining Material Cost
    {410, L"remain_equip_cost", 50708, G::costs, K::text, S::none, 0, ""},  // Remaining Nonlabor Cost
    {411, L"remain_cost", 50710, G::costs, K::text, S::none, 0, ""},  // Remaining Total Cost
    {412, L"var_expense_cost", 51643, G::costs, K::text, S::none, 0, ""},  // Variance - BL Project Expense Cost
    {413, L"var_work_cost", 51640, G::costs, K::text, S::none, 0, ""},  // Variance - BL Project Labor Cost
    {414, L"var_mat_cost", 57242, G::costs, K::text, S::none, 0, ""},  // Variance - BL Project Material Cost
    {415, L"var_equip_cost", 51641, G::costs, K::text, S::none, 0, ""},  // Variance - BL Project Nonlabor Cost
    {416, L"var_cost", 51642, G::costs, K::text, S::none, 0, ""},  // Variance - BL Project Total Cost
    // Dates
    {417, L"act_end_date", 51331, G::dates, K::date, S::latest, 1, "_act_end_date"},  // Actual Finish
    {418, L"act_start_date", 51330, G::dates, K::date, S::earliest, 1, "_act_start_date"},  // Actual Start
    {419, L"anticip_end_date", 1788, G::dates, K::date, S::none, 1, ""},  // Anticipated Finish
    {420, L"anticip_start_date", 1787, G::dates, K::date, S::none, 1, ""},  // Anticipated Start
    {421, L"base_end_date", 57373, G::dates, K::date, S::none, 0, ""},  // BL Project Finish
    {422, L"base_start_date", 57372, G::dates, K::date, S::none, 0, ""},  // BL Project Start
    {423, L"primary_base_end_date", 50684, G::dates, K::date, S::none, 0, ""},  // BL1 Finish
    {424, L"primary_base_start_date", 50683, G::dates, K::date, S::none, 0, ""},  // BL1 Start
    {425, L"secondary_base_end_date", 57075, G::dates, K::date, S::none, 0, ""},  // BL2 Finish
    {426, L"secondary_base_start_date", 57074, G::dates, K::date, S::none, 0, ""},  // BL2 Start
    {427, L"tertiary_base_end_date", 57077, G::dates, K::date, S::none, 0, ""},  // BL3 Finish
    {428, L"tertiary_base_start_date", 57076, G::dates, K::date, S::none, 0, ""},  // BL3 Start
    {429, L"end_date", 51335, G::dates, K::date, S::latest, 1, "_end_date"},  // Finish
    {430, L"forecast_end_date", 1790, G::dates, K::date, S::none, 0, ""},  // Forecast Finish Date
    {431, L"forecast_start_date", 1789, G::dates, K::date, S::none, 0, ""},  // Forecast Start Date
    {432, L"reend_date", 51333, G::dates, K::date, S::latest, 1, ""},  // Remaining Early Finish
    {433, L"restart_date", 51332, G::dates, K::date, S::earliest, 1, ""},  // Remaining Early Start
    {434, L"start_date", 51334, G::dates, K::date, S::earliest, 1, "_start_date"},  // Start
    // Durations
    {435, L"act_drtn_hr_cnt", 50733, G::durations, K::duration, S::duration_span, 1, ""},  // Actual Duration
    {436, L"total_drtn_hr_cnt", 50737, G::durations, K::duration, S::duration_span, 1, ""},  // At Completion Duration
    {437, L"base_drtn_hr_cnt", 50688, G::durations, K::duration, S::none, 0, ""},  // BL Project Duration
    {438, L"remain_drtn_hr_cnt", 51336, G::durations, K::duration, S::duration_span, 1, ""},  // Remaining Duration
    {439, L"total_float_hr_cnt", 50690, G::durations, K::duration, S::none, 0, ""},  // Total Float
    {440, L"var_drtn_hr_cnt", 51646, G::durations, K::duration, S::none, 0, ""},  // Variance - BL Project Duration
    {441, L"var_end_date_drtn_hr_cnt", 51645, G::durations, K::duration, S::none, 0, ""},  // Variance - BL Project Finish Date
    {442, L"var_start_date_drtn_hr_cnt", 51644, G::durations, K::duration, S::none, 0, ""},  // Variance - BL Project Start Date
    // Earned Value
    {443, L"av", 50777, G::earned_value, K::text, S::none, 0, ""},  // Accounting Variance
    {444, L"av_work", 51663, G::earned_value, K::text, S::none, 0, ""},  // Accounting Variance - Labor Units
    {445, L"acwp", 50764, G::earned_value, K::text, S::none, 0, ""},  // Actual Cost
    {446, L"bac", 50765, G::earned_value, K::text, S::none, 0, ""},  // Budget At Completion
    {447, L"bac_work", 57442, G::earned_value, K::text, S::none, 0, ""},  // Budget At Completion (BAC) - Labor Units
    {448, L"cpi", 50771, G::earned_value, K::text, S::none, 0, ""},  // Cost Performance Index
    {449, L"cpi_work", 51659, G::earned_value, K::text, S::none, 0, ""},  // Cost Performance Index - Labor Units
    {450, L"cv", 50770, G::earned_value, K::text, S::none, 0, ""},  // Cost Variance
    {451, L"cv_work", 51664, G::earned_value, K::text, S::none, 0, ""},  // Cost Variance - Labor Units
    {452, L"cvi", 50772, G::earned_value, K::text, S::none, 0, ""},  // Cost Variance Index
    {453, L"cvi_work", 51660, G::earned_value, K::text, S::none, 0, ""},  // Cost Variance Index - Labor Units
    {454, L"bcwp", 50767, G::earned_value, K::text, S::none, 0, ""},  // Earned Value Cost
    {455, L"perfm_work_qty", 3748, G::earned_value, K::text, S::none, 0, ""},  // Earned Value Labor Units
    {456, L"eac_work", 3749, G::earned_value, K::text, S::none, 0, ""},  // Estimate at Completion-Labor Units
    {457, L"eac", 70050, G::earned_value, K::text, S::none, 0, ""},  // Estimate at Completion Cost
    {458, L"etc", 50768, G::earned_value, K::text, S::none, 0, ""},  // Estimate To Complete
    {459, L"etc_work_qty", 1762, G::earned_value, K::text, S::none, 0, ""},  // Estimate To Complete Labor Units
    {460, L"bcws", 50766, G::earned_value, K::text, S::none, 0, ""},  // Planned Value Cost
    {461, L"sched_work_qty", 3747, G::earned_value, K::text, S::none, 0, ""},  // Planned Value Labor Units
    {462, L"spi", 50774, G::earned_value, K::text, S::none, 0, ""},  // Schedule Performance Index
    {463, L"spi_work", 51661, G::earned_value, K::text, S::none, 0, ""},  // Schedule Performance Index - Labor Units
    {464, L"sv", 50299, G::earned_value, K::text, S::none, 0, ""},  // Schedule Variance
    {465, L"sv_work", 51665, G::earned_value, K::text, S::none, 0, ""},  // Schedule Variance - Labor Units
    {466, L"svi", 50305, G::earned_value, K::text, S::none, 0, ""},  // Schedule Variance Index
    {467, L"svi_work", 51662, G::earned_value, K::text, S::none, 0, ""},  // Schedule Variance Index - Labor Units
    {468, L"tcpi", 2832, G::earned_value, K::text, S::none, 0, ""},  // To Complete Performance Index
    {469, L"vac", 50776, G::earned_value, K::text, S::none, 0, ""},  // Variance At Completion
    {470, L"vac_work", 51666, G::earned_value, K::text, S::none, 0, ""},  // Variance At Completion - Labor Units
    // General
    {471, L"node_type", 1769, G::general, K::text, S::none, 0, "_node_type"},  // Node Type
    {472, L"status_code", 51069, G::general, K::project_status, S::none, 1, "projwbs__status_code"},  // Project Status
    {473, L"obs_id", 30575, G::general, K::text, S::none, 1, ""},  // Responsible Manager
    {474, L"phase_id", 50553, G::general, K::text, S::none, 0, ""},  // WBS Categories
    {374, L"wbs_concat_name", 50158, G::general, K::text, S::none, 1, "wbs_id"},  // WBS Code
    {510, L"wbs_name", 30358, G::general, K::text, S::none, 1, "wbs_name"},  // WBS Name
    {475, L"wbs_path", 57152, G::general, K::text, S::none, 1, "wbs_path"},  // WBS Path
    {476, L"input_list", 50799, G::general, K::text, S::none, 0, ""},  // Work Products and Documents
    {477, L"complete_cnt", 50753, G::general, K::integer, S::total, 1, "_complete_cnt"},  // Actual Completed Activities
    {478, L"active_cnt", 50752, G::general, K::integer, S::total, 1, "_active_cnt"},  // Actual In-Progress Activities
    {479, L"notstarted_cnt", 50751, G::general, K::integer, S::total, 1, "_notstarted_cnt"},  // Actual Not-Started Activities
    {480, L"base_complete_cnt", 50756, G::general, K::integer, S::none, 0, ""},  // BL Project Completed Activities
    {481, L"base_active_cnt", 50755, G::general, K::integer, S::none, 0, ""},  // BL Project In-Progress Activities
    {482, L"base_notstarted_cnt", 50754, G::general, K::integer, S::none, 0, ""},  // BL Project Not-Started Activities
    {377, L"task_cnt", 51039, G::general, K::integer, S::total, 1, "_task_cnt"},  // Total Activities
    // Percent Completes
    {483, L"cost_complete_pct", 50718, G::percent_completes, K::percent, S::none, 0, ""},  // Cost % Complete
    {484, L"act_pct_spent", 57159, G::percent_completes, K::percent, S::none, 0, ""},  // Cost % of Budget (%)
    {485, L"drtn_pct_spent", 57164, G::percent_completes, K::percent, S::none, 0, ""},  // Duration % of Original (%)
    {486, L"expense_complete_pct", 50717, G::percent_completes, K::percent, S::none, 0, ""},  // Expense Cost % Complete
    {487, L"work_cost_complete_pct", 50715, G::percent_completes, K::percent, S::none, 0, ""},  // Labor Cost % Complete
    {488, L"work_complete_pct", 50739, G::percent_completes, K::percent, S::none, 0, ""},  // Labor Units % Complete
    {489, L"mat_cost_complete_pct", 57243, G::percent_completes, K::percent, S::none, 0, ""},  // Material Cost % Complete
    {490, L"equip_cost_complete_pct", 50716, G::percent_completes, K::percent, S::none, 0, ""},  // Nonlabor Cost % Complete
    {491, L"equip_complete_pct", 50740, G::percent_completes, K::percent, S::none, 0, ""},  // Nonlabor Units % Complete
    {492, L"perfm_complete_pct", 50761, G::percent_completes, K::percent, S::none, 0, ""},  // Performance % Complete
    {493, L"sched_complete_pct", 50760, G::percent_completes, K::percent, S::none, 0, ""},  // Schedule % Complete
    {494, L"steps_complete_pct", 52731, G::percent_completes, K::percent, S::none, 0, ""},  // Steps % Complete
    {495, L"effort_complete_pct", 50741, G::percent_completes, K::percent, S::none, 0, ""},  // Units % Complete
    // Summary
    {496, L"sum_data_flag", 1772, G::summary, K::flag, S::none, 1, ""},  // Contains Summary Data
    {497, L"proj_id", 57389, G::summary, K::integer, S::none, 1, ""},  // Project
    // Units
    {498, L"act_work_qty", 50693, G::units, K::quantity, S::total, 1, "_act_work_qty"},  // Actual Labor Units
    {499, L"act_equip_qty", 50694, G::units, K::quantity, S::total, 1, "_act_equip_qty"},  // Actual Nonlabor Units
    {500, L"act_this_per_work_qty", 57064, G::units, K::quantity, S::total, 1, "_act_this_per_work_qty"},  // Actual This Period Labor Units
    {501, L"act_this_per_equip_qty", 57065, G::units, K::quantity, S::total, 1, "_act_this_per_equip_qty"},  // Actual This Period Nonlabor Units
    {502, L"total_work_qty", 50699, G::units, K::quantity, S::total, 1, ""},  // At Completion Labor Units
    {503, L"total_equip_qty", 50700, G::units, K::quantity, S::total, 1, ""},  // At Completion Nonlabor Units
    {504, L"base_work_qty", 50697, G::units, K::quantity, S::none, 0, ""},  // BL Project Labor Units
    {505, L"base_equip_qty", 50698, G::units, K::quantity, S::none, 0, ""},  // BL Project Nonlabor Units
    {506, L"remain_work_qty", 50695, G::units, K::quantity, S::total, 1, "_remain_work_qty"},  // Remaining Labor Units
    {507, L"remain_equip_qty", 50696, G::units, K::quantity, S::total, 1, "_remain_equip_qty"},  // Remaining Nonlabor Units
    {508, L"var_work_qty", 51638, G::units, K::quantity, S::none, 0, ""},  // Variance - BL Project Labor Units
    {509, L"var_equip_qty", 51639, G::units, K::quantity, S::none, 0, ""},  // Variance - BL Project Nonlabor Units
    // No group
    {511, L"[caption]", 20040, G::none, K::text, S::none, 0, ""},  // Group Name
    {512, L"act_progress_date", 50734, G::none, K::date, S::none, 0, ""},  // Actual Progress Date
};

}  // namespace

std::span<const BuiltInColumn> BuiltInWbsColumns() noexcept { return kWbsColumns; }

}  // namespace varnholt
