// xls_task_cells.cpp - the field tables of the TASK sheet and the reading of one cell.
//
// Each group lists its headers in the order they are tried, with the activity value each one
// fills: a member of the activity, or of its block of workbook-only values (which is made
// only when a value is stored in it).

#include "import/xls_task_cells.h"

#include "import/xls_text.h"
#include "model/Document.h"
#include "model/number_text.h"
#include "model/records/ActvCodeRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/records/TaskRecord.h"
#include "model/records/UdfTypeRecord.h"

#include <array>
#include <span>
#include <string>

namespace varnholt::document {

namespace {

using W = TaskWorkbookValues;

template <auto Member>
auto& OwnField(TaskRecord& task) {
    return task.*Member;
}
template <auto Member>
auto& BlockField(TaskRecord& task) {
    return task.EnsureWorkbookValues().*Member;
}
template <auto Member>
auto& OptionalField(TaskRecord& task) {
    return task.EnsureOptionalValues().*Member;
}

template <class Value>
struct TaskField {
    std::string_view header;
    Value& (*field)(TaskRecord&);
};

using KeySetter = void (*)(TaskRecord&, std::wstring_view);
struct KeyField {
    std::string_view header;
    KeySetter set;
};

constexpr KeyField kKeyFields[] = {
    {"task_id", [](TaskRecord& t, std::wstring_view v) { t.task_id = s_unsigned_long(v); }},
    {"row_count", [](TaskRecord& t, std::wstring_view) { t.row_count = s_int(1); }},
    {"complete_pct_type", [](TaskRecord& t, std::wstring_view v) { t.complete_pct_type = s_percent_comlete_type(v); }},
    {"task_type", [](TaskRecord& t, std::wstring_view v) { t.task_type = s_activity_type(v); }},
    {"duration_type", [](TaskRecord& t, std::wstring_view v) { t.duration_type = s_duration_type(v); }},
    {"status_code", [](TaskRecord& t, std::wstring_view v) { t.status_code = s_activity_status(v); }},
    {"cstr_type", [](TaskRecord& t, std::wstring_view v) { t.cstr_type = s_constraint_type(v); }},
    {"priority_type", [](TaskRecord& t, std::wstring_view v) { t.priority_type = s_leveling_priority(v); }},
    {"cstr_type2", [](TaskRecord& t, std::wstring_view v) { t.EnsureOptionalValues().cstr_type2 = s_constraint_type(v); }},
    {"task_code", [](TaskRecord& t, std::wstring_view v) { t.task_code = s_string(v); }},
    {"task_name", [](TaskRecord& t, std::wstring_view v) { t.task_name = s_string(v); }},
    {"update_user", [](TaskRecord& t, std::wstring_view v) { t.update_user = s_string(v); }},
    {"create_user", [](TaskRecord& t, std::wstring_view v) { t.create_user = s_string(v); }},
};

constexpr TaskField<s_bool> kFlagFields[] = {
    {"rev_fdbk_flag", OptionalField<&TaskOptionalValues::rev_fdbk_flag>},
    {"lock_plan_flag", OptionalField<&TaskOptionalValues::lock_plan_flag>},
    {"auto_compute_act_flag", OptionalField<&TaskOptionalValues::auto_compute_act_flag>},
    {"driving_path_flag", OwnField<&TaskRecord::driving_path_flag>},
    {"critical_flag", OwnField<&TaskRecord::critical_flag>},
};

constexpr TaskField<s_cost> kCostFields[] = {
    {"act_work_cost", BlockField<&W::act_work_cost>}, {"act_equip_cost", BlockField<&W::act_equip_cost>},
    {"act_mat_cost", BlockField<&W::act_mat_cost>}, {"act_expense_cost", BlockField<&W::act_expense_cost>},
    {"bcwp", BlockField<&W::bcwp>}, {"bcws", BlockField<&W::bcws>},
    {"act_this_per_work_cost", BlockField<&W::act_this_per_work_cost>},
    {"act_this_per_mat_cost", BlockField<&W::act_this_per_mat_cost>},
    {"act_this_per_equip_cost", BlockField<&W::act_this_per_equip_cost>}, {"act_cost", BlockField<&W::act_cost>},
    {"total_expense_cost", BlockField<&W::total_expense_cost>}, {"total_work_cost", BlockField<&W::total_work_cost>},
    {"total_mat_cost", BlockField<&W::total_mat_cost>}, {"total_equip_cost", BlockField<&W::total_equip_cost>},
    {"total_cost", BlockField<&W::total_cost>}, {"base_expense_cost", BlockField<&W::base_expense_cost>},
    {"base_work_cost", BlockField<&W::base_work_cost>}, {"base_mat_cost", BlockField<&W::base_mat_cost>},
    {"base_equip_cost", BlockField<&W::base_equip_cost>}, {"base_cost", BlockField<&W::base_cost>},
    {"primary_base_expense_cost", BlockField<&W::primary_base_expense_cost>},
    {"primary_base_work_cost", BlockField<&W::primary_base_work_cost>},
    {"primary_base_mat_cost", BlockField<&W::primary_base_mat_cost>},
    {"primary_base_equip_cost", BlockField<&W::primary_base_equip_cost>},
    {"primary_base_cost", BlockField<&W::primary_base_cost>},
    {"target_expense_cost", BlockField<&W::target_expense_cost>},
    {"target_work_cost", BlockField<&W::target_work_cost>}, {"target_mat_cost", BlockField<&W::target_mat_cost>},
    {"target_equip_cost", BlockField<&W::target_equip_cost>}, {"target_cost", BlockField<&W::target_cost>},
    {"remain_expense_cost", BlockField<&W::remain_expense_cost>},
    {"remain_work_cost", BlockField<&W::remain_work_cost>}, {"remain_mat_cost", BlockField<&W::remain_mat_cost>},
    {"remain_equip_cost", BlockField<&W::remain_equip_cost>}, {"remain_cost", BlockField<&W::remain_cost>},
    {"var_expense_cost", BlockField<&W::var_expense_cost>}, {"var_work_cost", BlockField<&W::var_work_cost>},
    {"var_mat_cost", BlockField<&W::var_mat_cost>}, {"var_equip_cost", BlockField<&W::var_equip_cost>},
    {"var_cost", BlockField<&W::var_cost>},
    {"var_primary_expense_cost", BlockField<&W::var_primary_expense_cost>},
    {"var_primary_work_cost", BlockField<&W::var_primary_work_cost>},
    {"var_primary_mat_cost", BlockField<&W::var_primary_mat_cost>},
    {"var_primary_equip_cost", BlockField<&W::var_primary_equip_cost>},
    {"var_primary_cost", BlockField<&W::var_primary_cost>},
    {"av", BlockField<&W::av>}, {"acwp", BlockField<&W::acwp>}, {"bac", BlockField<&W::bac>},
    {"cv", BlockField<&W::cv>}, {"eac", BlockField<&W::eac>}, {"etc", BlockField<&W::etc>},
    {"sv", BlockField<&W::sv>}, {"vac", BlockField<&W::vac>},
};

constexpr TaskField<s_date> kDateFields[] = {
    {"base_end_date", BlockField<&W::base_end_date>}, {"base_start_date", BlockField<&W::base_start_date>},
    {"primary_base_end_date", BlockField<&W::primary_base_end_date>},
    {"primary_base_start_date", BlockField<&W::primary_base_start_date>},
    {"secondary_base_end_date", BlockField<&W::secondary_base_end_date>},
    {"secondary_base_start_date", BlockField<&W::secondary_base_start_date>},
    {"tertiary_base_end_date", BlockField<&W::tertiary_base_end_date>},
    {"tertiary_base_start_date", BlockField<&W::tertiary_base_start_date>},
    {"end_date", OwnField<&TaskRecord::end_date>}, {"start_date", OwnField<&TaskRecord::start_date>},
    {"cstr_date", OwnField<&TaskRecord::cstr_date>}, {"act_start_date", OwnField<&TaskRecord::act_start_date>},
    {"act_end_date", OwnField<&TaskRecord::act_end_date>}, {"late_start_date", OwnField<&TaskRecord::late_start_date>},
    {"late_end_date", OwnField<&TaskRecord::late_end_date>}, {"expect_end_date", OptionalField<&TaskOptionalValues::expect_end_date>},
    {"early_start_date", OwnField<&TaskRecord::early_start_date>},
    {"early_end_date", OwnField<&TaskRecord::early_end_date>}, {"restart_date", OwnField<&TaskRecord::restart_date>},
    {"reend_date", OwnField<&TaskRecord::reend_date>}, {"target_start_date", OwnField<&TaskRecord::target_start_date>},
    {"target_end_date", OwnField<&TaskRecord::target_end_date>},
    {"rem_late_start_date", OwnField<&TaskRecord::rem_late_start_date>},
    {"rem_late_end_date", OwnField<&TaskRecord::rem_late_end_date>}, {"cstr_date2", OptionalField<&TaskOptionalValues::cstr_date2>},
    {"suspend_date", OptionalField<&TaskOptionalValues::suspend_date>}, {"resume_date", OptionalField<&TaskOptionalValues::resume_date>},
    {"external_early_start_date", OptionalField<&TaskOptionalValues::external_early_start_date>},
    {"external_late_end_date", OptionalField<&TaskOptionalValues::external_late_end_date>},
    {"update_date", OwnField<&TaskRecord::update_date>}, {"create_date", OwnField<&TaskRecord::create_date>},
};

constexpr TaskField<s_percent> kPercentFields[] = {
    {"complete_pct", BlockField<&W::complete_pct>}, {"cost_complete_pct", BlockField<&W::cost_complete_pct>},
    {"act_pct_spent", BlockField<&W::act_pct_spent>}, {"drtn_complete_pct", BlockField<&W::drtn_complete_pct>},
    {"drtn_pct_spent", BlockField<&W::drtn_pct_spent>}, {"expense_complete_pct", BlockField<&W::expense_complete_pct>},
    {"work_cost_complete_pct", BlockField<&W::work_cost_complete_pct>},
    {"work_complete_pct", BlockField<&W::work_complete_pct>},
    {"mat_cost_complete_pct", BlockField<&W::mat_cost_complete_pct>},
    {"equip_cost_complete_pct", BlockField<&W::equip_cost_complete_pct>},
    {"equip_complete_pct", BlockField<&W::equip_complete_pct>},
    {"perfm_complete_pct", BlockField<&W::perfm_complete_pct>},
    // The column of this name shows the activity's physical percent complete.
    {"calc_phys_complete_pct", OwnField<&TaskRecord::phys_complete_pct>},
    {"sched_complete_pct", BlockField<&W::sched_complete_pct>},
    {"effort_complete_pct", BlockField<&W::effort_complete_pct>},
};

constexpr TaskField<s_dur> kDurationFields[] = {
    {"total_float_hr_cnt", OwnField<&TaskRecord::total_float_hr_cnt>},
    {"free_float_hr_cnt", OwnField<&TaskRecord::free_float_hr_cnt>},
    {"act_drtn_hr_cnt", OwnField<&TaskRecord::act_drtn_hr_cnt>},
    {"total_drtn_hr_cnt", OwnField<&TaskRecord::total_drtn_hr_cnt>},
    {"base_drtn_hr_cnt", BlockField<&W::base_drtn_hr_cnt>},
    {"primary_base_drtn_hr_cnt", BlockField<&W::primary_base_drtn_hr_cnt>},
    {"remain_float_hr_cnt", BlockField<&W::remain_float_hr_cnt>}, {"var_drtn_hr_cnt", BlockField<&W::var_drtn_hr_cnt>},
    {"var_end_date_drtn_hr_cnt", BlockField<&W::var_end_date_drtn_hr_cnt>},
    {"var_start_date_drtn_hr_cnt", BlockField<&W::var_start_date_drtn_hr_cnt>},
    {"var_primary_drtn_hr_cnt", BlockField<&W::var_primary_drtn_hr_cnt>},
    {"var_primary_end_date_drtn_hr_cnt", BlockField<&W::var_primary_end_date_drtn_hr_cnt>},
    {"var_primary_start_date_drtn_hr_cnt", BlockField<&W::var_primary_start_date_drtn_hr_cnt>},
    {"target_drtn_hr_cnt", OwnField<&TaskRecord::target_drtn_hr_cnt>},
    {"remain_drtn_hr_cnt", OwnField<&TaskRecord::remain_drtn_hr_cnt>},
};

constexpr TaskField<s_unit> kQuantityFields[] = {
    {"sched_work_qty", BlockField<&W::sched_work_qty>}, {"perfm_work_qty", BlockField<&W::perfm_work_qty>},
    {"act_this_per_equip_qty", OwnField<&TaskRecord::act_this_per_equip_qty>},
    {"act_this_per_work_qty", OwnField<&TaskRecord::act_this_per_work_qty>},
    {"act_equip_qty", OwnField<&TaskRecord::act_equip_qty>}, {"act_work_qty", OwnField<&TaskRecord::act_work_qty>},
    {"target_work_qty", OwnField<&TaskRecord::target_work_qty>},
    {"remain_work_qty", OwnField<&TaskRecord::remain_work_qty>},
    {"total_work_qty", OwnField<&TaskRecord::total_work_qty>},
    {"total_equip_qty", OwnField<&TaskRecord::total_equip_qty>}, {"base_work_qty", BlockField<&W::base_work_qty>},
    {"base_equip_qty", BlockField<&W::base_equip_qty>}, {"primary_base_work_qty", BlockField<&W::primary_base_work_qty>},
    {"primary_base_equip_qty", BlockField<&W::primary_base_equip_qty>},
    {"target_equip_qty", OwnField<&TaskRecord::target_equip_qty>},
    {"remain_equip_qty", OwnField<&TaskRecord::remain_equip_qty>}, {"var_work_qty", BlockField<&W::var_work_qty>},
    {"var_equip_qty", BlockField<&W::var_equip_qty>}, {"var_primary_work_qty", BlockField<&W::var_primary_work_qty>},
    {"var_primary_equip_qty", BlockField<&W::var_primary_equip_qty>},
};

// Dates and quantities whose WBS and project summaries ("_" and the name) a column feeds.
constexpr std::string_view kSummarisedHeaders[] = {
    "end_date", "start_date", "act_start_date", "act_end_date", "act_this_per_equip_qty", "act_this_per_work_qty",
    "act_equip_qty", "act_work_qty", "remain_work_qty", "remain_equip_qty",
};
constexpr std::string_view kCountNames[] = {"_complete_cnt", "_active_cnt", "_notstarted_cnt"};

constexpr std::string_view kUserFieldPrefix = "user_field_";
constexpr std::string_view kCodePrefix = "actv_code_";

// The slot of `header` in a group's table, or -1.
template <class Entry>
int SlotOf(std::span<const Entry> table, std::string_view header) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].header == header) return static_cast<int>(i);
    }
    return -1;
}

TaskColumnReader InGroup(task_cell_kind kind, int slot) {
    if (slot < 0) return {};
    return {.kind = kind, .slot = static_cast<std::uint8_t>(slot)};
}

// "user_field_" and a number other than 0 naming a field type the header pass made.
UdfTypeRecord* UserFieldType(std::string_view header, const Document& doc) {
    if (header.size() <= kUserFieldPrefix.size() || !header.starts_with(kUserFieldPrefix)) return nullptr;
    const std::string_view digits = header.substr(kUserFieldPrefix.size());
    if (!all_digits(digits)) return nullptr;
    const std::uint32_t number = digits_value(digits);
    if (number == 0) return nullptr;
    return doc.FindUdfType(s_unsigned_long(number));
}

// The code type made from this header: the header pass stores the header as the type's
// column key, which is what FindActvTypeByName compares.
ActvTypeRecord* CodeType(std::string_view header, const Document& doc) {
    if (header.size() <= kCodePrefix.size() || !header.starts_with(kCodePrefix)) return nullptr;
    return doc.FindActvTypeByName(s_string(header));
}

TaskColumnReader ChooseOtherKind(std::string_view header, const Document& doc) {
    if (const int slot = SlotOf<KeyField>(kKeyFields, header); slot >= 0) return InGroup(task_cell_kind::key, slot);
    if (UdfTypeRecord* type = UserFieldType(header, doc)) return {.kind = task_cell_kind::user_field, .udf_type = type};
    if (ActvTypeRecord* type = CodeType(header, doc)) return {.kind = task_cell_kind::code, .code_type = type};
    if (header == "project__proj_short_name") return {.kind = task_cell_kind::project_short_name};
    return {};
}

template <class Value>
Value& FieldOf(std::span<const TaskField<Value>> table, std::uint8_t slot, TaskRecord& task) {
    return table[slot].field(task);
}

void ReadUserField(const TaskColumnReader& reader, std::string_view cell, TaskRowContext& row) {
    UdfValueRecord* value = row.doc.NewUdfValue();
    if (value == nullptr) return;
    value->udf_type_id = reader.udf_type->udf_type_id;
    value->proj_id = s_unsigned_long(1);
    value->udf_text = s_string(cell);
    LinkUdfValue(*value, reader.udf_type);
    row.udf_values.push_back(value);  // keyed once the row is read
}

void ReadCode(const TaskColumnReader& reader, std::string_view cell, TaskRecord& task, TaskRowContext& row) {
    const auto found = row.state.codes.find({reader.code_type->actv_code_type_id.value, s_string(cell).text});
    if (found == row.state.codes.end()) return;
    TaskActvRecord* assignment = row.doc.NewTaskActv();
    if (assignment == nullptr) return;
    ActvCodeRecord* code = found->second;
    assignment->actv_code_type_id = reader.code_type->actv_code_type_id;
    assignment->actv_code_id = code->actv_code_id;
    assignment->proj_id = s_unsigned_long(1);
    LinkActivityCodeAssignment(*assignment, reader.code_type, code, &task, row.project);
    row.code_values.push_back(assignment);  // keyed once the row is read
}

}  // namespace

TaskColumnReader ChooseTaskColumnReader(const TaskSheetColumn& column, const Document& doc) {
    const std::string_view header = column.header;
    switch (column.kind) {
    case ColumnValueKind::flag: return InGroup(task_cell_kind::flag, SlotOf<TaskField<s_bool>>(kFlagFields, header));
    case ColumnValueKind::cost: return InGroup(task_cell_kind::cost, SlotOf<TaskField<s_cost>>(kCostFields, header));
    case ColumnValueKind::quantity:
        return InGroup(task_cell_kind::quantity, SlotOf<TaskField<s_unit>>(kQuantityFields, header));
    case ColumnValueKind::date: return InGroup(task_cell_kind::date, SlotOf<TaskField<s_date>>(kDateFields, header));
    case ColumnValueKind::duration:
        return InGroup(task_cell_kind::duration, SlotOf<TaskField<s_dur>>(kDurationFields, header));
    case ColumnValueKind::percent:
        return InGroup(task_cell_kind::percent, SlotOf<TaskField<s_percent>>(kPercentFields, header));
    default: return ChooseOtherKind(header, doc);
    }
}

void NoteFilledNames(const TaskColumnReader& reader, std::string_view header, XlsImportState& state) {
    const auto to_summaries = [&state](std::string_view name) {
        state.project.filled.emplace(name);
        state.wbs.filled.emplace(name);
    };
    switch (reader.kind) {
    case task_cell_kind::key:
        if (kKeyFields[reader.slot].header == "status_code")
            for (const std::string_view name : kCountNames) to_summaries(name);
        break;
    case task_cell_kind::date:
    case task_cell_kind::quantity:
        for (const std::string_view name : kSummarisedHeaders) {
            if (name != header) continue;
            std::string summarised(1, '_');  // spelled out: g++ 12 warns falsely on "_" + std::string
            summarised += name;
            to_summaries(summarised);
        }
        break;
    case task_cell_kind::project_short_name: state.project.filled.emplace("project_short_name"); break;
    default: break;
    }
}

void ReadTaskCell(const TaskColumnReader& reader, std::string_view cell, TaskRecord& task, TaskRowContext& row) {
    switch (reader.kind) {
    case task_cell_kind::none: return;
    case task_cell_kind::key: kKeyFields[reader.slot].set(task, widen_cell(cell)); return;
    case task_cell_kind::flag:
        // True only for the exact text "Y"; any other text, the empty one included, is false.
        FieldOf<s_bool>(kFlagFields, reader.slot, task) = s_bool(cell);
        return;
    case task_cell_kind::cost:
        // An empty cell is an amount of 0, not a missing one.
        FieldOf<s_cost>(kCostFields, reader.slot, task) = s_cost(number_from_text(widen_cell(cell)));
        return;
    case task_cell_kind::percent:
        FieldOf<s_percent>(kPercentFields, reader.slot, task) = s_percent(number_from_text(widen_cell(cell)));
        return;
    case task_cell_kind::date:
        FieldOf<s_date>(kDateFields, reader.slot, task) = cell.empty() ? s_date{} : s_date::from_xls_text(cell);
        return;
    case task_cell_kind::duration:
        FieldOf<s_dur>(kDurationFields, reader.slot, task) =
            cell.empty() ? s_dur{} : s_dur(number_from_text(widen_cell(cell)));
        return;
    case task_cell_kind::quantity:
        FieldOf<s_unit>(kQuantityFields, reader.slot, task) =
            cell.empty() ? s_unit{} : s_unit(number_from_text(widen_cell(cell)), s_unit::kQuantity);
        return;
    case task_cell_kind::user_field: ReadUserField(reader, cell, row); return;
    case task_cell_kind::code: ReadCode(reader, cell, task, row); return;
    case task_cell_kind::project_short_name:
        if (row.project != nullptr) row.project->proj_short_name = s_string(cell);
        return;
    }
}

void KeyRowValues(TaskRowContext& row, const TaskRecord& task) {
    for (UdfValueRecord* value : row.udf_values) value->fk_id = task.task_id;
    for (TaskActvRecord* assignment : row.code_values) assignment->task_id = task.task_id;
    row.udf_values.clear();
    row.code_values.clear();
}

}  // namespace varnholt::document
