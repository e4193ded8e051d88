// TaskFieldAccess.cpp - an activity's values by field id and by column id: one dense table over
// the ids 6-512, whose entries read the activity's own values, the values of its calendar,
// project and WBS element, or its durations and quantities with the calendar's hours per
// period.

#include "model/records/TaskRecord.h"

#include "model/Document.h"
#include "model/records/ActvCodeRecord.h"
#include "model/records/ProjWbsRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/records/field_dispatch.h"
#include "model/records/load_time_values.h"

namespace varnholt {

namespace {

using T = TaskRecord;

// Durations and quantities shown in days, weeks, months or years take the activity calendar's
// hours per period on their first read.
template <class Value>
const s_val* Factored(Value& value, const T& task) {
    return WithCalendarFactors(value, task.calendar);
}

// The name of the project's root WBS element; null value without a project or a root.
const s_val* ProjectName(const T& task) {
    if (task.project == nullptr) return &s_val::null_value();
    return LinkedValue(task.project->root_wbs, &ProjWbsRecord::wbs_name);
}

constexpr FieldEntry<T> kActivityFields[] = {
    // Step counts and costs.
    {6, Own<&T::step_cnt>}, {7, Own<&T::step_complete_cnt>}, {8, Own<&T::step_active_cnt>},
    {9, Own<&T::step_notstarted_cnt>},
    {10, FromWorkbook<&TaskWorkbookValues::act_expense_cost>}, {11, FromWorkbook<&TaskWorkbookValues::act_work_cost>}, {12, FromWorkbook<&TaskWorkbookValues::act_mat_cost>},
    {13, FromWorkbook<&TaskWorkbookValues::act_equip_cost>}, {14, FromWorkbook<&TaskWorkbookValues::act_this_per_work_cost>}, {15, FromWorkbook<&TaskWorkbookValues::act_this_per_mat_cost>},
    {16, FromWorkbook<&TaskWorkbookValues::act_this_per_equip_cost>}, {17, FromWorkbook<&TaskWorkbookValues::act_cost>},
    {18, FromWorkbook<&TaskWorkbookValues::total_expense_cost>}, {19, FromWorkbook<&TaskWorkbookValues::total_work_cost>}, {20, FromWorkbook<&TaskWorkbookValues::total_mat_cost>},
    {21, FromWorkbook<&TaskWorkbookValues::total_equip_cost>}, {22, FromWorkbook<&TaskWorkbookValues::total_cost>},
    {23, FromWorkbook<&TaskWorkbookValues::base_expense_cost>}, {24, FromWorkbook<&TaskWorkbookValues::base_work_cost>}, {25, FromWorkbook<&TaskWorkbookValues::base_mat_cost>},
    {26, FromWorkbook<&TaskWorkbookValues::base_equip_cost>}, {27, FromWorkbook<&TaskWorkbookValues::base_cost>},
    {28, FromWorkbook<&TaskWorkbookValues::primary_base_expense_cost>}, {29, FromWorkbook<&TaskWorkbookValues::primary_base_work_cost>},
    {30, FromWorkbook<&TaskWorkbookValues::primary_base_mat_cost>}, {31, FromWorkbook<&TaskWorkbookValues::primary_base_equip_cost>}, {32, FromWorkbook<&TaskWorkbookValues::primary_base_cost>},
    {33, FromWorkbook<&TaskWorkbookValues::target_expense_cost>}, {34, FromWorkbook<&TaskWorkbookValues::target_work_cost>}, {35, FromWorkbook<&TaskWorkbookValues::target_mat_cost>},
    {36, FromWorkbook<&TaskWorkbookValues::target_equip_cost>}, {37, FromWorkbook<&TaskWorkbookValues::target_cost>},
    {38, FromWorkbook<&TaskWorkbookValues::remain_expense_cost>}, {39, FromWorkbook<&TaskWorkbookValues::remain_work_cost>}, {40, FromWorkbook<&TaskWorkbookValues::remain_mat_cost>},
    {41, FromWorkbook<&TaskWorkbookValues::remain_equip_cost>}, {42, FromWorkbook<&TaskWorkbookValues::remain_cost>},
    {43, FromWorkbook<&TaskWorkbookValues::var_expense_cost>}, {44, FromWorkbook<&TaskWorkbookValues::var_work_cost>}, {45, FromWorkbook<&TaskWorkbookValues::var_mat_cost>},
    {46, FromWorkbook<&TaskWorkbookValues::var_equip_cost>}, {47, FromWorkbook<&TaskWorkbookValues::var_cost>},
    {48, FromWorkbook<&TaskWorkbookValues::var_primary_expense_cost>}, {49, FromWorkbook<&TaskWorkbookValues::var_primary_work_cost>},
    {50, FromWorkbook<&TaskWorkbookValues::var_primary_mat_cost>}, {51, FromWorkbook<&TaskWorkbookValues::var_primary_equip_cost>}, {52, FromWorkbook<&TaskWorkbookValues::var_primary_cost>},
    // Dates.
    {53, Own<&T::act_end_date>}, {54, Own<&T::act_start_date>},
    {57, FromWorkbook<&TaskWorkbookValues::base_end_date>}, {58, FromWorkbook<&TaskWorkbookValues::base_start_date>}, {59, FromWorkbook<&TaskWorkbookValues::primary_base_end_date>},
    {60, FromWorkbook<&TaskWorkbookValues::primary_base_start_date>}, {61, FromWorkbook<&TaskWorkbookValues::secondary_base_end_date>},
    {62, FromWorkbook<&TaskWorkbookValues::secondary_base_start_date>}, {63, FromWorkbook<&TaskWorkbookValues::tertiary_base_end_date>},
    {64, FromWorkbook<&TaskWorkbookValues::tertiary_base_start_date>},
    {65, Own<&T::early_end_date>}, {66, Own<&T::early_start_date>}, {67, FromOptional<&TaskOptionalValues::expect_end_date>},
    {68, FromOptional<&TaskOptionalValues::external_early_start_date>}, {69, FromOptional<&TaskOptionalValues::external_late_end_date>}, {70, Own<&T::end_date>},
    {71, Own<&T::late_end_date>}, {72, Own<&T::late_start_date>}, {73, Own<&T::target_end_date>},
    {74, Own<&T::target_start_date>}, {75, Own<&T::cstr_date>}, {76, Own<&T::reend_date>},
    {77, Own<&T::restart_date>}, {78, Own<&T::rem_late_end_date>}, {79, Own<&T::rem_late_start_date>},
    {80, FromOptional<&TaskOptionalValues::resume_date>}, {81, FromOptional<&TaskOptionalValues::cstr_date2>}, {82, Own<&T::start_date>},
    {83, FromOptional<&TaskOptionalValues::suspend_date>},
    // Durations and floats.
    {84, [](const T& t) { return Factored(t.act_drtn_hr_cnt, t); }},
    {85, [](const T& t) { return Factored(t.total_drtn_hr_cnt, t); }},
    {86, FromWorkbook<&TaskWorkbookValues::base_drtn_hr_cnt>}, {87, FromWorkbook<&TaskWorkbookValues::primary_base_drtn_hr_cnt>},
    {88, [](const T& t) { return Factored(t.free_float_hr_cnt, t); }},
    {89, [](const T& t) { return Factored(t.target_drtn_hr_cnt, t); }},
    {90, [](const T& t) { return Factored(t.remain_drtn_hr_cnt, t); }},
    {91, FromWorkbook<&TaskWorkbookValues::remain_float_hr_cnt>},
    {92, [](const T& t) { return Factored(t.total_float_hr_cnt, t); }},
    {93, FromWorkbook<&TaskWorkbookValues::var_drtn_hr_cnt>}, {94, FromWorkbook<&TaskWorkbookValues::var_end_date_drtn_hr_cnt>},
    {95, FromWorkbook<&TaskWorkbookValues::var_start_date_drtn_hr_cnt>}, {96, FromWorkbook<&TaskWorkbookValues::var_primary_drtn_hr_cnt>},
    {97, FromWorkbook<&TaskWorkbookValues::var_primary_end_date_drtn_hr_cnt>}, {98, FromWorkbook<&TaskWorkbookValues::var_primary_start_date_drtn_hr_cnt>},
    // Earned value.
    {99, FromWorkbook<&TaskWorkbookValues::av>}, {101, FromWorkbook<&TaskWorkbookValues::acwp>}, {102, FromWorkbook<&TaskWorkbookValues::bac>}, {106, FromWorkbook<&TaskWorkbookValues::cv>}, {110, FromWorkbook<&TaskWorkbookValues::bcwp>},
    {111, FromWorkbook<&TaskWorkbookValues::perfm_work_qty>}, {113, FromWorkbook<&TaskWorkbookValues::eac>}, {114, FromWorkbook<&TaskWorkbookValues::etc>}, {116, FromWorkbook<&TaskWorkbookValues::bcws>},
    {117, FromWorkbook<&TaskWorkbookValues::sched_work_qty>}, {120, FromWorkbook<&TaskWorkbookValues::sv>}, {125, FromWorkbook<&TaskWorkbookValues::vac>},
    // General.
    {128, FromOptional<&TaskOptionalValues::rev_fdbk_flag>}, {130, Own<&T::task_code>}, {131, Own<&T::priority_type>},
    {132, Own<&T::task_name>}, {133, Own<&T::status_code>}, {134, Own<&T::task_type>},
    {135, Own<&T::create_user>}, {136, Own<&T::create_date>}, {137, FromOptional<&TaskOptionalValues::auto_compute_act_flag>},
    {138, [](const T& t) { return LinkedValue(t.calendar, &CalendarRecord::clndr_name); }},
    {139, Own<&T::critical_flag>}, {140, Own<&T::duration_type>}, {141, Own<&T::update_user>},
    {142, Own<&T::update_date>}, {143, FromOptional<&TaskOptionalValues::lock_plan_flag>}, {144, Own<&T::driving_path_flag>},
    {146, Own<&T::cstr_type>},
    {147, Own<&T::rsrc_label>},  // the resource's text, not the numeric rsrc_id
    {148, [](const T& t) { return LinkedValue(t.project, &ProjectRecord::proj_short_name); }},
    {149, ProjectName},
    {150, [](const T& t) { return LinkedValue(t.wbs, &ProjWbsRecord::status_code); }},
    {151, FromOptional<&TaskOptionalValues::cstr_type2>},
    {152, [](const T& t) { return LinkedValue(t.wbs, &ProjWbsRecord::wbs_concat_name); }},
    {154, [](const T& t) { return LinkedValue(t.wbs, &ProjWbsRecord::wbs_name); }},
    {155, [](const T& t) { return LinkedValue(t.wbs, &ProjWbsRecord::wbs_path); }},
    // Lists and counts.
    {158, Own<&T::pred_list>}, {160, Own<&T::resource_list>}, {161, Own<&T::role_code_list>},
    {162, Own<&T::role_list>}, {163, Own<&T::succ_list>},
    {165, Own<&T::float_path>}, {166, FromOptional<&TaskOptionalValues::float_path_order>}, {167, Own<&T::row_count>},
    {168, Own<&T::taskrsrc_cnt>}, {169, Own<&T::complete_cnt>}, {170, Own<&T::active_cnt>},
    {171, Own<&T::notstarted_cnt>},
    // Percentages.
    {178, FromWorkbook<&TaskWorkbookValues::complete_pct>}, {179, FromWorkbook<&TaskWorkbookValues::cost_complete_pct>}, {180, FromWorkbook<&TaskWorkbookValues::act_pct_spent>},
    {181, FromWorkbook<&TaskWorkbookValues::drtn_complete_pct>}, {182, FromWorkbook<&TaskWorkbookValues::drtn_pct_spent>}, {183, FromWorkbook<&TaskWorkbookValues::expense_complete_pct>},
    {184, FromWorkbook<&TaskWorkbookValues::work_cost_complete_pct>}, {185, FromWorkbook<&TaskWorkbookValues::work_complete_pct>},
    {186, FromWorkbook<&TaskWorkbookValues::mat_cost_complete_pct>}, {187, FromWorkbook<&TaskWorkbookValues::equip_cost_complete_pct>},
    {188, FromWorkbook<&TaskWorkbookValues::equip_complete_pct>}, {189, Own<&T::complete_pct_type>}, {190, FromWorkbook<&TaskWorkbookValues::perfm_complete_pct>},
    {191, Own<&T::phys_complete_pct>},  // calc_phys_complete_pct shows the file's physical percent
    {192, FromWorkbook<&TaskWorkbookValues::sched_complete_pct>}, {193, FromWorkbook<&TaskWorkbookValues::effort_complete_pct>},
    // Quantities.
    {194, [](const T& t) { return Factored(t.act_work_qty, t); }},
    {195, [](const T& t) { return Factored(t.act_equip_qty, t); }},
    {196, [](const T& t) { return Factored(t.act_this_per_work_qty, t); }},
    {197, [](const T& t) { return Factored(t.act_this_per_equip_qty, t); }},
    {198, [](const T& t) { return Factored(t.total_work_qty, t); }},
    {199, [](const T& t) { return Factored(t.total_equip_qty, t); }},
    {200, FromWorkbook<&TaskWorkbookValues::base_work_qty>}, {201, FromWorkbook<&TaskWorkbookValues::base_equip_qty>}, {202, FromWorkbook<&TaskWorkbookValues::primary_base_work_qty>},
    {203, FromWorkbook<&TaskWorkbookValues::primary_base_equip_qty>},
    {204, [](const T& t) { return Factored(t.target_work_qty, t); }},
    {205, [](const T& t) { return Factored(t.target_equip_qty, t); }},
    {206, [](const T& t) { return Factored(t.remain_work_qty, t); }},
    {207, [](const T& t) { return Factored(t.remain_equip_qty, t); }},
    {208, FromWorkbook<&TaskWorkbookValues::var_work_qty>}, {209, FromWorkbook<&TaskWorkbookValues::var_equip_qty>}, {210, FromWorkbook<&TaskWorkbookValues::var_primary_work_qty>},
    {211, FromWorkbook<&TaskWorkbookValues::var_primary_equip_qty>}, {212, Own<&T::act_progress_date>},
    // The WBS date ids, answered with the activity's own dates so that the roll-ups can ask
    // activities and WBS elements alike.
    {417, Own<&T::act_end_date>}, {418, Own<&T::act_start_date>},
    {421, FromWorkbook<&TaskWorkbookValues::base_end_date>}, {422, FromWorkbook<&TaskWorkbookValues::base_start_date>}, {423, FromWorkbook<&TaskWorkbookValues::primary_base_end_date>},
    {424, FromWorkbook<&TaskWorkbookValues::primary_base_start_date>}, {425, FromWorkbook<&TaskWorkbookValues::secondary_base_end_date>},
    {426, FromWorkbook<&TaskWorkbookValues::secondary_base_start_date>}, {427, FromWorkbook<&TaskWorkbookValues::tertiary_base_end_date>},
    {428, FromWorkbook<&TaskWorkbookValues::tertiary_base_start_date>}, {429, Own<&T::end_date>}, {432, Own<&T::reend_date>},
    {433, Own<&T::restart_date>}, {434, Own<&T::start_date>}, {512, Own<&T::act_progress_date>},
};

constexpr FieldDispatch<T, 6, 512> kActivityDispatch{kActivityFields};

}  // namespace

const TaskWorkbookValues& TaskRecord::WorkbookValues() const {
    // Read only: nothing writes the shared defaults, so every activity may show them.
    static const TaskWorkbookValues kDefaults;
    return workbook_values != nullptr ? *workbook_values : kDefaults;
}

TaskWorkbookValues& TaskRecord::EnsureWorkbookValues() {
    if (workbook_values == nullptr) workbook_values = std::make_unique<TaskWorkbookValues>();
    return *workbook_values;
}

const TaskOptionalValues& TaskRecord::OptionalValues() const {
    static const TaskOptionalValues kDefaults;  // read only, like the workbook defaults
    return optional_values != nullptr ? *optional_values : kDefaults;
}

TaskOptionalValues& TaskRecord::EnsureOptionalValues() {
    if (optional_values == nullptr) optional_values = std::make_unique<TaskOptionalValues>();
    return *optional_values;
}

const s_val* TaskRecord::GetFieldValue(std::int32_t field_id) const {
    return kActivityDispatch.Read(*this, field_id);
}

const s_val* TaskRecord::GetColumnValue(std::int32_t column_id) const {
    if (IsUdfColumnId(column_id)) {
        if (const s_val* value = FindUdfColumnValue(doc, task_id, column_id, IndicatorUdf::as_indicator)) return value;
    } else if (column_id > kActivityCodeColumnBase && doc != nullptr) {
        const s_unsigned_long type_id(static_cast<std::uint32_t>(column_id - kActivityCodeColumnBase));
        const TaskActvRecord* assignment = doc->FindTaskActv(task_id, type_id);
        if (assignment != nullptr && assignment->actv_code != nullptr) return &assignment->actv_code->short_name;
    }
    return GetFieldValue(column_id);
}

}  // namespace varnholt
