// activity_columns.cpp - the built-in activity columns, ids 6 to 213, in table order.
// The order is ascending id except that the actual start (54) precedes the actual finish (53),
// the actual progress date (212) follows the suspend date (83), 100 precedes 99 and the
// group-name column (213) comes last; scans meet the entries in this order.

#include "columns/built_in_columns.h"

namespace varnholt {

namespace {

using G = ColumnGroup;
using K = ColumnValueKind;
using S = ColumnSummaryRule;

// {id, field name, caption id, group, value kind, summary rule, present, file field name}
constexpr BuiltInColumn kActivityColumns[] = {
    // Activity Steps
    {6, L"step_cnt", 57295, G::activity_steps, K::integer, S::none, 1, ""},  // Activity Step Count
    {7, L"step_complete_cnt", 57311, G::activity_steps, K::integer, S::none, 1, ""},  // Steps Completed
    {8, L"step_active_cnt", 57310, G::activity_steps, K::integer, S::none, 1, ""},  // Steps In Progress
    {9, L"step_notstarted_cnt", 57309, G::activity_steps, K::integer, S::none, 1, ""},  // Steps Not Started
    // Costs
    {10, L"act_expense_cost", 57355, G::costs, K::cost, S::none, 0, "act_expense_cost"},  // Actual Expense Cost
    {11, L"act_work_cost", 57351, G::costs, K::cost, S::none, 0, "act_work_cost"},  // Actual Labor Cost
    {12, L"act_mat_cost", 57354, G::costs, K::cost, S::none, 0, "act_mat_cost"},  // Actual Material Cost
    {13, L"act_equip_cost", 57353, G::costs, K::cost, S::none, 0, "act_equip_cost"},  // Actual Nonlabor Cost
    {14, L"act_this_per_work_cost", 57067, G::costs, K::cost, S::none, 0, "act_this_per_work_cost"},  // Actual This Period Labor Cost
    {15, L"act_this_per_mat_cost", 57239, G::costs, K::cost, S::none, 0, "act_this_per_mat_cost"},  // Actual This Period Material Cost
    {16, L"act_this_per_equip_cost", 57068, G::costs, K::cost, S::none, 0, "act_this_per_equip_cost"},  // Actual This Period Nonlabor Cost
    {17, L"act_cost", 50706, G::costs, K::cost, S::none, 0, "act_cost"},  // Actual Total Cost
    {18, L"total_expense_cost", 50725, G::costs, K::cost, S::none, 0, "total_expense_cost"},  // At Completion Expense Cost
    {19, L"total_work_cost", 50724, G::costs, K::cost, S::none, 0, "total_work_cost"},  // At Completion Labor Cost
    {20, L"total_mat_cost", 57240, G::costs, K::cost, S::none, 0, "total_mat_cost"},  // At Completion Material Cost
    {21, L"total_equip_cost", 50723, G::costs, K::cost, S::none, 0, "total_equip_cost"},  // At Completion Nonlabor Cost
    {22, L"total_cost", 50726, G::costs, K::cost, S::none, 0, "total_cost"},  // At Completion Total Cost
    {23, L"base_expense_cost", 50714, G::costs, K::cost, S::none, 0, "base_expense_cost"},  // BL Project Expense Cost
    {24, L"base_work_cost", 50712, G::costs, K::cost, S::none, 0, "base_work_cost"},  // BL Project Labor Cost
    {25, L"base_mat_cost", 57237, G::costs, K::cost, S::none, 0, "base_mat_cost"},  // BL Project Material Cost
    {26, L"base_equip_cost", 50713, G::costs, K::cost, S::none, 0, "base_equip_cost"},  // BL Project Nonlabor Cost
    {27, L"base_cost", 50711, G::costs, K::cost, S::none, 0, "base_cost"},  // BL Project Total Cost
    {28, L"primary_base_expense_cost", 54006, G::costs, K::cost, S::none, 0, "primary_base_expense_cost"},  // BL1 Expense Cost
    {29, L"primary_base_work_cost", 54003, G::costs, K::cost, S::none, 0, "primary_base_work_cost"},  // BL1 Labor Cost
    {30, L"primary_base_mat_cost", 54008, G::costs, K::cost, S::none, 0, "primary_base_mat_cost"},  // BL1 Material Cost
    {31, L"primary_base_equip_cost", 54004, G::costs, K::cost, S::none, 0, "primary_base_equip_cost"},  // BL1 Nonlabor Cost
    {32, L"primary_base_cost", 54005, G::costs, K::cost, S::none, 0, "primary_base_cost"},  // BL1 Total Cost
    {33, L"target_expense_cost", 200000, G::costs, K::cost, S::none, 0, "target_expense_cost"},  // Budgeted Expense Cost
    {34, L"target_work_cost", 200001, G::costs, K::cost, S::none, 0, "target_work_cost"},  // Budgeted Labor Cost
    {35, L"target_mat_cost", 200002, G::costs, K::cost, S::none, 0, "target_mat_cost"},  // Budgeted Material Cost
    {36, L"target_equip_cost", 200003, G::costs, K::cost, S::none, 0, "target_equip_cost"},  // Budgeted Nonlabor Cost
    {37, L"target_cost", 200004, G::costs, K::cost, S::none, 0, "target_cost"},  // Budgeted Total Cost
    {38, L"remain_expense_cost", 50709, G::costs, K::cost, S::none, 0, "remain_expense_cost"},  // Remaining Expense Cost
    {39, L"remain_work_cost", 50707, G::costs, K::cost, S::none, 0, "remain_work_cost"},  // Remaining Labor Cost
    {40, L"remain_mat_cost", 57241, G::costs, K::cost, S::none, 0, "remain_mat_cost"},  // Remaining Material Cost
    {41, L"remain_equip_cost", 50708, G::costs, K::cost, S::none, 0, "remain_equip_cost"},  // Remaining Nonlabor Cost
    {42, L"remain_cost", 50710, G::costs, K::cost, S::none, 0, "remain_cost"},  // Remaining Total Cost
    {43, L"var_expense_cost", 51643, G::costs, K::cost, S::none, 0, "var_expense_cost"},  // Variance - BL Project Expense Cost
    {44, L"var_work_cost", 51640, G::costs, K::cost, S::none, 0, "var_work_cost"},  // Variance - BL Project Labor Cost
    {45, L"var_mat_cost", 57242, G::costs, K::cost, S::none, 0, "var_mat_cost"},  // Variance - BL Project Material Cost
    {46, L"var_equip_cost", 51641, G::costs, K::cost, S::none, 0, "var_equip_cost"},  // Variance - BL Project Nonlabor Cost
    {47, L"var_cost", 51642, G::costs, K::cost, S::none, 0, "var_cost"},  // Variance - BL Project Total Cost
    {48, L"var_primary_expense_cost", 57437, G::costs, K::cost, S::none, 0, "var_primary_expense_cost"},  // Variance - BL1 Expense Cost
    {49, L"var_primary_work_cost", 57434, G::costs, K::cost, S::none, 0, "var_primary_work_cost"},  // Variance - BL1 Labor Cost
    {50, L"var_primary_mat_cost", 57441, G::costs, K::cost, S::none, 0, "var_primary_mat_cost"},  // Variance - BL1 Material Cost
    {51, L"var_primary_equip_cost", 57435, G::costs, K::cost, S::none, 0, "var_primary_equip_cost"},  // Variance - BL1 Nonlabor Cost
    {52, L"var_primary_cost", 57436, G::costs, K::cost, S::none, 0, "var_primary_cost"},  // Variance - BL1 Total Cost
    // Dates
    {54, L"act_start_date", 51330, G::dates, K::date, S::earliest, 1, "act_start_date"},  // Actual Start
    {53, L"act_end_date", 51331, G::dates, K::date, S::latest, 1, "act_end_date"},  // Actual Finish
    {55, L"projwbs\\7Canticip_end_date", 1788, G::dates, K::date, S::none, 0, ""},  // Anticipated Finish
    {56, L"projwbs\\7Canticip_start_date", 1787, G::dates, K::date, S::none, 0, ""},  // Anticipated Start
    {57, L"base_end_date", 57373, G::dates, K::date, S::latest, 0, "base_end_date"},  // BL Project Finish
    {58, L"base_start_date", 57372, G::dates, K::date, S::earliest, 0, "base_start_date"},  // BL Project Start
    {59, L"primary_base_end_date", 50684, G::dates, K::date, S::latest, 0, "primary_base_end_date"},  // BL1 Finish
    {60, L"primary_base_start_date", 50683, G::dates, K::date, S::earliest, 0, "primary_base_start_date"},  // BL1 Start
    {61, L"secondary_base_end_date", 57075, G::dates, K::date, S::latest, 0, "secondary_base_end_date"},  // BL2 Finish
    {62, L"secondary_base_start_date", 57074, G::dates, K::date, S::earliest, 0, "secondary_base_start_date"},  // BL2 Start
    {63, L"tertiary_base_end_date", 57077, G::dates, K::date, S::latest, 0, "tertiary_base_end_date"},  // BL3 Finish
    {64, L"tertiary_base_start_date", 57076, G::dates, K::date, S::earliest, 0, "tertiary_base_start_date"},  // BL3 Start
    {65, L"early_end_date", 50680, G::dates, K::date, S::latest, 1, "early_end_date"},  // Early Finish
    {66, L"early_start_date", 50679, G::dates, K::date, S::earliest, 1, "early_start_date"},  // Early Start
    {67, L"expect_end_date", 50685, G::dates, K::date, S::latest, 1, "expect_end_date"},  // Expected Finish
    {68, L"external_early_start_date", 57467, G::dates, K::date, S::none, 1, "external_early_start_date"},  // External Early Start
    {69, L"external_late_end_date", 57468, G::dates, K::date, S::none, 1, "external_late_end_date"},  // External Late Finish
    {70, L"end_date", 51335, G::dates, K::date, S::latest, 1, "end_date"},  // Finish
    {71, L"late_end_date", 50682, G::dates, K::date, S::latest, 1, "late_end_date"},  // Late Finish
    {72, L"late_start_date", 50681, G::dates, K::date, S::earliest, 1, "late_start_date"},  // Late Start
    {73, L"target_end_date", 40187, G::dates, K::date, S::latest, 1, "target_end_date"},  // Planned Finish
    {74, L"target_start_date", 40186, G::dates, K::date, S::earliest, 1, "target_start_date"},  // Planned Start
    {75, L"cstr_date", 1195, G::dates, K::date, S::none, 1, "cstr_date"},  // Primary Constraint Date
    {76, L"reend_date", 51333, G::dates, K::date, S::latest, 1, "reend_date"},  // Remaining Early Finish
    {77, L"restart_date", 51332, G::dates, K::date, S::earliest, 1, "restart_date"},  // Remaining Early Start
    {78, L"rem_late_end_date", 1759, G::dates, K::date, S::latest, 1, "rem_late_end_date"},  // Remaining Late Finish
    {79, L"rem_late_start_date", 1758, G::dates, K::date, S::earliest, 1, "rem_late_start_date"},  // Remaining Late Start
    {80, L"resume_date", 57314, G::dates, K::date, S::none, 1, "resume_date"},  // Resume Date
    {81, L"cstr_date2", 3769, G::dates, K::date, S::none, 1, "cstr_date2"},  // Secondary Constraint Date
    {82, L"start_date", 51334, G::dates, K::date, S::earliest, 1, "start_date"},  // Start
    {83, L"suspend_date", 57313, G::dates, K::date, S::none, 1, "suspend_date"},  // Suspend Date
    // No group
    {212, L"act_progress_date", 50734, G::none, K::date, S::latest, 1, ""},  // Actual Progress Date
    // Durations
    {84, L"act_drtn_hr_cnt", 50733, G::durations, K::duration, S::duration_span, 1, "act_drtn_hr_cnt"},  // Actual Duration
    {85, L"total_drtn_hr_cnt", 50737, G::durations, K::duration, S::duration_span, 1, "total_drtn_hr_cnt"},  // At Completion Duration
    {86, L"base_drtn_hr_cnt", 50688, G::durations, K::duration, S::duration_span, 0, "base_drtn_hr_cnt"},  // BL Project Duration
    {87, L"primary_base_drtn_hr_cnt", 54007, G::durations, K::duration, S::duration_span, 0, "primary_base_drtn_hr_cnt"},  // BL1 Duration
    {88, L"free_float_hr_cnt", 50691, G::durations, K::duration, S::duration_span, 1, "free_float_hr_cnt"},  // Free Float
    {89, L"target_drtn_hr_cnt", 40062, G::durations, K::duration, S::duration_span, 1, "target_drtn_hr_cnt"},  // Original Duration
    {90, L"remain_drtn_hr_cnt", 51336, G::durations, K::duration, S::duration_span, 1, "remain_drtn_hr_cnt"},  // Remaining Duration
    {91, L"remain_float_hr_cnt", 50692, G::durations, K::duration, S::duration_span, 0, "remain_float_hr_cnt"},  // Remaining Float
    {92, L"total_float_hr_cnt", 50690, G::durations, K::duration, S::duration_span, 1, "total_float_hr_cnt"},  // Total Float
    {93, L"var_drtn_hr_cnt", 51646, G::durations, K::duration, S::duration_span, 0, "var_drtn_hr_cnt"},  // Variance - BL Project Duration
    {94, L"var_end_date_drtn_hr_cnt", 51645, G::durations, K::duration, S::duration_span, 0, "var_end_date_drtn_hr_cnt"},  // Variance - BL Project Finish Date
    {95, L"var_start_date_drtn_hr_cnt", 51644, G::durations, K::duration, S::duration_span, 0, "var_start_date_drtn_hr_cnt"},  // Variance - BL Project Start Date
    {96, L"var_primary_drtn_hr_cnt", 57440, G::durations, K::duration, S::duration_span, 0, "var_primary_drtn_hr_cnt"},  // Variance - BL1 Duration
    {97, L"var_primary_end_date_drtn_hr_cnt", 57439, G::durations, K::duration, S::duration_span, 0, "var_primary_end_date_drtn_hr_cnt"},  // Variance - BL1 Finish Date
    {98, L"var_primary_start_date_drtn_hr_cnt", 57438, G::durations, K::duration, S::duration_span, 0, "var_primary_start_date_drtn_hr_cnt"},  // Variance - BL1 Start Date
    // Earned Value
    {100, L"av_work", 51663, G::earned_value, K::quantity, S::none, 0, ""},  // Accounting Variance - Labor Units
    {99, L"av", 50777, G::earned_value, K::cost, S::none, 0, "av"},  // Accounting Variance
    {101, L"acwp", 50764, G::earned_value, K::cost, S::none, 0, "acwp"},  // Actual Cost
    {102, L"bac", 50765, G::earned_value, K::cost, S::none, 0, "bac"},  // Budget At Completion
    {103, L"bac_work", 57442, G::earned_value, K::quantity, S::none, 0, ""},  // Budget At Completion (BAC) - Labor Units
    {104, L"cpi", 50771, G::earned_value, K::real, S::none, 0, ""},  // Cost Performance Index
    {105, L"cpi_work", 51659, G::earned_value, K::cost, S::none, 0, ""},  // Cost Performance Index - Labor Units
    {106, L"cv", 50770, G::earned_value, K::cost, S::none, 0, "cv"},  // Cost Variance
    {107, L"cv_work", 51664, G::earned_value, K::quantity, S::none, 0, ""},  // Cost Variance - Labor Units
    {108, L"cvi", 50772, G::earned_value, K::real, S::none, 0, ""},  // Cost Variance Index
    {109, L"cvi_work", 51660, G::earned_value, K::quantity, S::none, 0, ""},  // Cost Variance Index - Labor Units
    {110, L"bcwp", 50767, G::earned_value, K::cost, S::none, 0, "bcwp"},  // Earned Value Cost
    {111, L"perfm_work_qty", 3748, G::earned_value, K::quantity, S::none, 0, "perfm_work_qty"},  // Earned Value Labor Units
    {112, L"eac_work", 3749, G::earned_value, K::quantity, S::none, 0, ""},  // Estimate at Completion-Labor Units
    {113, L"eac", 70050, G::earned_value, K::cost, S::none, 0, "eac"},  // Estimate at Completion Cost
    {114, L"etc", 50768, G::earned_value, K::cost, S::none, 0, "etc"},  // Estimate To Complete
    {115, L"etc_work_qty", 1762, G::earned_value, K::quantity, S::none, 0, ""},  // Estimate To Complete Labor Units
    {116, L"bcws", 50766, G::earned_value, K::cost, S::none, 0, "bcws"},  // Planned Value Cost
    {117, L"sched_work_qty", 3747, G::earned_value, K::quantity, S::none, 0, "sched_work_qty"},  // Planned Value Labor Units
    {118, L"spi", 50774, G::earned_value, K::real, S::none, 0, ""},  // Schedule Performance Index
    {119, L"spi_work", 51661, G::earned_value, K::real, S::none, 0, ""},  // Schedule Performance Index - Labor Units
    {120, L"sv", 50299, G::earned_value, K::cost, S::none, 0, "sv"},  // Schedule Variance
    {121, L"sv_work", 51665, G::earned_value, K::quantity, S::none, 0, ""},  // Schedule Variance - Labor Units
    {122, L"svi", 50305, G::earned_value, K::real, S::none, 0, ""},  // Schedule Variance Index
    {123, L"svi_work", 51662, G::earned_value, K::real, S::none, 0, ""},  // Schedule Variance Index - Labor Units
    {124, L"tcpi", 2832, G::earned_value, K::real, S::none, 0, ""},  // To Complete Performance Index
    {125, L"vac", 50776, G::earned_value, K::cost, S::none, 0, "vac"},  // Variance At Completion
    {126, L"vac_work", 51666, G::earned_value, K::quantity, S::none, 0, ""},  // Variance At Completion - Labor Units
    // Feedback
    {127, L"task_fdbk", 51305, G::feedback, K::text, S::none, 0, ""},  // Feedback from Resources
    {128, L"rev_fdbk_flag", 50672, G::feedback, K::flag, S::none, 1, "rev_fdbk_flag"},  // New Feedback
    {129, L"task_note", 51308, G::feedback, K::text, S::none, 0, ""},  // Notes to Resources
    // General
    {130, L"task_code", 57640, G::general, K::text, S::none, 1, "task_code"},  // Activity ID
    {131, L"priority_type", 50668, G::general, K::leveling_priority, S::none, 1, "priority_type"},  // Activity Leveling Priority
    {132, L"task_name", 50662, G::general, K::text, S::none, 1, "task_name"},  // Activity Name
    {133, L"status_code", 50667, G::general, K::activity_status, S::none, 1, "status_code"},  // Activity Status
    {134, L"task_type", 50663, G::general, K::activity_type, S::none, 1, "task_type"},  // Activity Type
    {135, L"create_user", 57376, G::general, K::text, S::none, 1, "create_user"},  // Added By
    {136, L"create_date", 57375, G::general, K::date, S::none, 1, "create_date"},  // Added Date
    {137, L"auto_compute_act_flag", 51245, G::general, K::flag, S::none, 1, "auto_compute_act_flag"},  // Auto Compute Actuals
    {138, L"clndr_id", 50660, G::general, K::text, S::none, 1, ""},  // Calendar
    {139, L"critical_flag", 40223, G::general, K::flag, S::none, 1, "critical_flag"},  // Critical
    {140, L"duration_type", 50664, G::general, K::duration_type, S::none, 1, "duration_type"},  // Duration Type
    {141, L"update_user", 57378, G::general, K::text, S::none, 1, "update_user"},  // Last Modified By
    {142, L"update_date", 57377, G::general, K::date, S::none, 1, "update_date"},  // Last Modified Date
    {143, L"lock_plan_flag", 50671, G::general, K::flag, S::none, 1, "lock_plan_flag"},  // Lock Remaining
    {144, L"driving_path_flag", 57083, G::general, K::flag, S::none, 1, "driving_path_flag"},  // Longest Path
    {145, L"user_id", 57552, G::general, K::text, S::none, 0, ""},  // Owner
    {146, L"cstr_type", 1196, G::general, K::constraint_type, S::none, 1, "cstr_type"},  // Primary Constraint
    {147, L"rsrc_id", 50659, G::general, K::text, S::none, 1, ""},  // Primary Resource
    {148, L"project\\7Cproj_short_name", 51025, G::general, K::text, S::none, 1, "_project__proj_short_name"},  // Project ID
    {149, L"project\\7Cproj_name", 51024, G::general, K::text, S::none, 1, "_project__proj_name"},  // Project Name
    {150, L"projwbs\\7Cstatus_code", 51069, G::general, K::text, S::none, 0, "_status_code"},  // Project Status
    {151, L"cstr_type2", 3770, G::general, K::constraint_type, S::none, 1, "cstr_type2"},  // Secondary Constraint
    {152, L"wbs_id", 40224, G::general, K::text, S::none, 1, "_wbs_id"},  // WBS
    {153, L"projwbs", 50553, G::general, K::text, S::none, 0, ""},  // WBS Categories
    {154, L"wbs_name", 30358, G::general, K::text, S::none, 1, "wbs_name"},  // WBS Name
    {155, L"wbs_path", 57152, G::general, K::text, S::none, 1, "_wbs_path"},  // WBS Path
    // Lists
    {156, L"account_code_list", 3731, G::lists, K::text, S::none, 0, ""},  // Cost Account IDs
    {157, L"account_list", 50520, G::lists, K::text, S::none, 0, ""},  // Cost Accounts
    {158, L"pred_list", 50749, G::lists, K::text, S::none, 1, ""},  // Predecessors
    {159, L"resource_code_list", 50746, G::lists, K::text, S::none, 0, ""},  // Resource IDs
    {160, L"resource_list", 50745, G::lists, K::text, S::none, 1, ""},  // Resources
    {161, L"role_code_list", 50748, G::lists, K::text, S::none, 1, ""},  // Role IDs
    {162, L"role_list", 50747, G::lists, K::text, S::none, 1, ""},  // Roles
    {163, L"succ_list", 50750, G::lists, K::text, S::none, 1, ""},  // Successors
    {164, L"input_list", 50799, G::lists, K::text, S::none, 0, ""},  // Work Products and Documents
    // Multiple Float Paths
    {165, L"float_path", 57460, G::multiple_float_paths, K::integer, S::none, 1, ""},  // Float Path
    {166, L"float_path_order", 57461, G::multiple_float_paths, K::integer, S::none, 1, ""},  // Float Path Order
    // Number of Activities
    {167, L"row_count", 30309, G::number_of_activities, K::integer, S::total, 1, "row_count"},  // Activity Count
    {168, L"taskrsrc_cnt", 51703, G::number_of_activities, K::integer, S::total, 1, ""},  // Activity Resource Assignment Count
    {169, L"complete_cnt", 50753, G::number_of_activities, K::integer, S::total, 1, ""},  // Actual Completed Activities
    {170, L"active_cnt", 50752, G::number_of_activities, K::integer, S::total, 1, ""},  // Actual In-Progress Activities
    {171, L"notstarted_cnt", 50751, G::number_of_activities, K::integer, S::total, 1, ""},  // Actual Not-Started Activities
    {172, L"base_complete_cnt", 50756, G::number_of_activities, K::integer, S::none, 0, ""},  // BL Project Completed Activities
    {173, L"base_active_cnt", 50755, G::number_of_activities, K::integer, S::none, 0, ""},  // BL Project In-Progress Activities
    {174, L"base_notstarted_cnt", 50754, G::number_of_activities, K::integer, S::none, 0, ""},  // BL Project Not-Started Activities
    {175, L"primary_base_complete_cnt", 54009, G::number_of_activities, K::integer, S::none, 0, ""},  // BL1 Completed Activities
    {176, L"primary_base_active_cnt", 54010, G::number_of_activities, K::integer, S::none, 0, ""},  // BL1 In-Progress Activities
    {177, L"primary_base_notstarted_cnt", 54011, G::number_of_activities, K::integer, S::none, 0, ""},  // BL1 Not-Started Activities
    // Percent Completes
    {178, L"complete_pct", 50742, G::percent_completes, K::percent, S::none, 0, "complete_pct"},  // Activity % Complete
    {179, L"cost_complete_pct", 50718, G::percent_completes, K::percent, S::none, 0, "cost_complete_pct"},  // Cost % Complete
    {180, L"act_pct_spent", 57159, G::percent_completes, K::percent, S::none, 0, "act_pct_spent"},  // Cost % of Budget (%)
    {181, L"drtn_complete_pct", 50738, G::percent_completes, K::percent, S::none, 0, "drtn_complete_pct"},  // Duration % Complete
    {182, L"drtn_pct_spent", 57164, G::percent_completes, K::percent, S::none, 0, "drtn_pct_spent"},  // Duration % of Original (%)
    {183, L"expense_complete_pct", 50717, G::percent_completes, K::percent, S::none, 0, "expense_complete_pct"},  // Expense Cost % Complete
    {184, L"work_cost_complete_pct", 50715, G::percent_completes, K::percent, S::none, 0, "work_cost_complete_pct"},  // Labor Cost % Complete
    {185, L"work_complete_pct", 50739, G::percent_completes, K::percent, S::none, 0, "work_complete_pct"},  // Labor Units % Complete
    {186, L"mat_cost_complete_pct", 57243, G::percent_completes, K::percent, S::none, 0, "mat_cost_complete_pct"},  // Material Cost % Complete
    {187, L"equip_cost_complete_pct", 50716, G::percent_completes, K::percent, S::none, 0, "equip_cost_complete_pct"},  // Nonlabor Cost % Complete
    {188, L"equip_complete_pct", 50740, G::percent_completes, K::percent, S::none, 0, "equip_complete_pct"},  // Nonlabor Units % Complete
    {189, L"complete_pct_type", 50665, G::percent_completes, K::percent_complete_type, S::none, 1, "complete_pct_type"},  // Percent Complete Type
    {190, L"perfm_complete_pct", 50761, G::percent_completes, K::percent, S::none, 0, "perfm_complete_pct"},  // Performance % Complete
    {191, L"calc_phys_complete_pct", 50666, G::percent_completes, K::percent, S::none, 1, "calc_phys_complete_pct"},  // Physical % Complete
    {192, L"sched_complete_pct", 50760, G::percent_completes, K::percent, S::none, 0, "sched_complete_pct"},  // Schedule % Complete
    {193, L"effort_complete_pct", 50741, G::percent_completes, K::percent, S::none, 0, "effort_complete_pct"},  // Units % Complete
    // Units
    {194, L"act_work_qty", 50693, G::units, K::quantity, S::total, 1, "act_work_qty"},  // Actual Labor Units
    {195, L"act_equip_qty", 50694, G::units, K::quantity, S::total, 1, "act_equip_qty"},  // Actual Nonlabor Units
    {196, L"act_this_per_work_qty", 57064, G::units, K::quantity, S::total, 1, "act_this_per_work_qty"},  // Actual This Period Labor Units
    {197, L"act_this_per_equip_qty", 57065, G::units, K::quantity, S::total, 1, "act_this_per_equip_qty"},  // Actual This Period Nonlabor Units
    {198, L"total_work_qty", 50699, G::units, K::quantity, S::total, 1, "total_work_qty"},  // At Completion Labor Units
    {199, L"total_equip_qty", 50700, G::units, K::quantity, S::total, 1, "total_equip_qty"},  // At Completion Nonlabor Units
    {200, L"base_work_qty", 50697, G::units, K::quantity, S::total, 0, "base_work_qty"},  // BL Project Labor Units
    {201, L"base_equip_qty", 50698, G::units, K::quantity, S::total, 0, "base_equip_qty"},  // BL Project Nonlabor Units
    {202, L"primary_base_work_qty", 54001, G::units, K::quantity, S::total, 0, "primary_base_work_qty"},  // BL1 Labor Units
    {203, L"primary_base_equip_qty", 54002, G::units, K::quantity, S::total, 0, "primary_base_equip_qty"},  // BL1 Nonlabor Units
    {204, L"target_work_qty", 200005, G::units, K::quantity, S::total, 1, "target_work_qty"},  // Budgeted Labor Units
    {205, L"target_equip_qty", 200006, G::units, K::quantity, S::total, 1, "target_equip_qty"},  // Budgeted Nonlabor Units
    {206, L"remain_work_qty", 50695, G::units, K::quantity, S::total, 1, "remain_work_qty"},  // Remaining Labor Units
    {207, L"remain_equip_qty", 50696, G::units, K::quantity, S::total, 1, "remain_equip_qty"},  // Remaining Nonlabor Units
    {208, L"var_work_qty", 51638, G::units, K::quantity, S::total, 0, "var_work_qty"},  // Variance - BL Project Labor Units
    {209, L"var_equip_qty", 51639, G::units, K::quantity, S::total, 0, "var_equip_qty"},  // Variance - BL Project Nonlabor Units
    {210, L"var_primary_work_qty", 57432, G::units, K::quantity, S::total, 0, "var_primary_work_qty"},  // Variance - BL1 Labor Units
    {211, L"var_primary_equip_qty", 57433, G::units, K::quantity, S::total, 0, "var_primary_equip_qty"},  // Variance - BL1 Nonlabor Units
    // No group
    {213, L"[caption]", 20040, G::none, K::text, S::none, 0, ""},  // Group Name
};

}  // namespace

std::span<const BuiltInColumn> BuiltInActivityColumns() noexcept { return kActivityColumns; }

}  // namespace varnholt
