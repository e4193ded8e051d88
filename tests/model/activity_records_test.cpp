// Activity records: construction defaults and where each XER field of their tables lands.

#include "model/records/ActvCodeRecord.h"
#include "model/records/MemoRecord.h"
#include "model/records/TaskPredRecord.h"
#include "model/records/TaskProcRecord.h"
#include "model/records/TaskRecord.h"
#include "model/records/TaskRsrcRecord.h"
#include "model/records/UdfTypeRecord.h"
#include "xer_field_store.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace varnholt {
namespace {

using namespace testing_support;

// An enumerated member that holds `stored` without the file having given it.
template <class Enum>
void ExpectUnset(const Enum& value, std::int32_t stored, const char* name) {
    SCOPED_TRACE(name);
    EXPECT_EQ(value.value, stored);
    EXPECT_EQ(value.null_flag, 1);
}

template <class Value>
void ExpectSet(const Value& value, std::int32_t held, const char* name) {
    SCOPED_TRACE(name);
    EXPECT_EQ(value.value, held);
    EXPECT_EQ(value.null_flag, 0);
}

void ExpectFlag(const s_bool& flag, bool yes, const char* name) {
    SCOPED_TRACE(name);
    EXPECT_EQ(flag.as_bool(), yes);
    EXPECT_EQ(flag.null_flag, 0);
}

void ExpectText(const s_string& text, const wchar_t* expected, const char* name) {
    SCOPED_TRACE(name);
    EXPECT_EQ(text.text, expected);
    EXPECT_EQ(text.null_flag, 0);
}

template <class Measure>
void ExpectBlank(const Measure& measure) {
    EXPECT_EQ(measure.blank, 1);
    EXPECT_EQ(measure.null_flag, 1);
    EXPECT_EQ(measure.factors->hours_per_day, 8);
    EXPECT_EQ(measure.factors->hours_per_week, 40);
    EXPECT_EQ(measure.factors->hours_per_month, 172);
    EXPECT_EQ(measure.factors->hours_per_year, 2000);
}

TEST(ActivityRecordDefaults, Task) {
    auto task = std::make_unique<TaskRecord>();
    ExpectSet(task->complete_pct_type, 1, "complete_pct_type is CP_Drtn");
    ExpectUnset(task->duration_type, 3, "duration_type");
    ExpectUnset(task->review_status, 1, "review status");
    ExpectUnset(task->status_code, 2, "status_code");
    ExpectUnset(task->cstr_type, 2, "cstr_type");
    ExpectUnset(task->priority_type, 1, "priority_type");
    ExpectUnset(task->cstr_type2, 2, "cstr_type2");
    EXPECT_EQ(task->task_type.null_flag, 1);

    for (s_dur TaskRecord::*member : {&TaskRecord::total_float_hr_cnt, &TaskRecord::free_float_hr_cnt,
                                      &TaskRecord::remain_drtn_hr_cnt, &TaskRecord::target_drtn_hr_cnt})
        ExpectBlank(task.get()->*member);
    for (s_unit TaskRecord::*member :
         {&TaskRecord::act_work_qty, &TaskRecord::remain_work_qty, &TaskRecord::target_work_qty,
          &TaskRecord::target_equip_qty, &TaskRecord::act_equip_qty, &TaskRecord::remain_equip_qty,
          &TaskRecord::act_this_per_work_qty, &TaskRecord::act_this_per_equip_qty}) {
        ExpectBlank(task.get()->*member);
        EXPECT_EQ((task.get()->*member).kind, s_unit::kQuantity);
    }

    EXPECT_EQ(task->load_order.null_flag, 1);
    EXPECT_EQ(task->doc, nullptr);
    EXPECT_EQ(task->wbs, nullptr);
    EXPECT_EQ(task->project, nullptr);
    EXPECT_EQ(task->calendar, nullptr);
    EXPECT_EQ(task->resource, nullptr);
    EXPECT_TRUE(task->assignments.empty() && task->predecessors.empty() && task->successors.empty() &&
                task->steps.empty() && task->memos.empty());
}

TEST(ActivityRecordDefaults, Relationship) {
    auto relationship = std::make_unique<TaskPredRecord>();
    ExpectUnset(relationship->pred_type, 1, "pred_type is FS without a value");
    ExpectBlank(relationship->lag_hr_cnt);
    EXPECT_EQ(relationship->successor, nullptr);
    EXPECT_EQ(relationship->predecessor, nullptr);
}

TEST(ActivityRecordDefaults, Assignment) {
    auto assignment = std::make_unique<TaskRsrcRecord>();
    ExpectSet(assignment->rsrc_type, 0, "rsrc_type is RT_Labor");
    ExpectFlag(assignment->cost_qty_link_flag, false, "cost_qty_link_flag");
    ExpectText(assignment->rate_type, L"COST_PER_QTY", "rate_type");
    ExpectFlag(assignment->rollup_dates_flag, true, "rollup_dates_flag");
    ExpectText(assignment->cost_per_qty_source_type, L"ST_Rsrc", "cost_per_qty_source_type");
    ExpectFlag(assignment->ts_pend_act_end_flag, false, "ts_pend_act_end_flag");
    EXPECT_EQ(assignment->unread_qty.null_flag, 1);
    EXPECT_EQ(assignment->task, nullptr);
    EXPECT_EQ(assignment->resource, nullptr);
    EXPECT_EQ(assignment->role, nullptr);
}

TEST(ActivityRecordDefaults, Step) {
    auto step = std::make_unique<TaskProcRecord>();
    ExpectFlag(step->complete_flag, false, "complete_flag");
    EXPECT_EQ(step->proc_wt_pct.null_flag, 1);
    EXPECT_EQ(step->task, nullptr);
    EXPECT_EQ(step->project, nullptr);
}

TEST(ActivityRecordDefaults, ActivityCodes) {
    auto type = std::make_unique<ActvTypeRecord>();
    ExpectFlag(type->super_flag, false, "code type super_flag");
    EXPECT_TRUE(type->column_key.text.empty());

    auto code = std::make_unique<ActvCodeRecord>();
    EXPECT_EQ(code->color, 0xFF000000u);
    EXPECT_EQ(code->actv_type, nullptr);

    auto assignment = std::make_unique<TaskActvRecord>();
    EXPECT_EQ(assignment->task_id.null_flag, 1);
    EXPECT_EQ(assignment->actv_code_id.null_flag, 1);
    EXPECT_TRUE(assignment->actv_type == nullptr && assignment->actv_code == nullptr && assignment->task == nullptr &&
                assignment->project == nullptr);
}

TEST(ActivityRecordDefaults, UserDefinedFields) {
    auto type = std::make_unique<UdfTypeRecord>();
    ExpectUnset(type->logical_data_type, 2, "logical_data_type is FT_TEXT without a value");
    ExpectFlag(type->super_flag, false, "udf super_flag");

    auto value = std::make_unique<UdfValueRecord>();
    EXPECT_EQ(value->udf_money.null_flag, 1);
    EXPECT_EQ(value->udf_int.null_flag, 1);
    EXPECT_EQ(value->udf_decimal.null_flag, 1);
    EXPECT_EQ(value->udf_indicator.null_flag, 1);
    EXPECT_EQ(value->udf_indicator.value, 0);
    EXPECT_EQ(value->udf_type, nullptr);
}

TEST(ActivityRecordDefaults, Memos) {
    auto topic = std::make_unique<MemoTypeRecord>();
    ExpectFlag(topic->eps_flag, false, "eps_flag");
    ExpectFlag(topic->proj_flag, false, "proj_flag");
    ExpectFlag(topic->wbs_flag, false, "wbs_flag");
    ExpectFlag(topic->task_flag, false, "task_flag");

    auto memo = std::make_unique<MemoRecord>();
    EXPECT_TRUE(memo->task == nullptr && memo->wbs == nullptr && memo->project == nullptr &&
                memo->memo_type == nullptr);
}

TEST(ActivityXerFields, TaskFieldNumbers) {
    EXPECT_TRUE(FieldLandsIn(kTaskXerFields, 1, &TaskRecord::task_id));
    EXPECT_TRUE(FieldLandsIn(kTaskXerFields, 12, &TaskRecord::duration_type));
    EXPECT_TRUE(FieldIsDropped(kTaskXerFields, 13)) << "review_type is recognised but not kept";
    EXPECT_TRUE(FieldLandsIn(kTaskXerFields, 14, &TaskRecord::status_code));
    EXPECT_TRUE(FieldLandsIn(kTaskXerFields, 17, &TaskRecord::rsrc_id)) << "stored out of member order";
    EXPECT_TRUE(FieldLandsIn(kTaskXerFields, 43, &TaskRecord::cstr_type));
    EXPECT_TRUE(FieldLandsIn(kTaskXerFields, 48, &TaskRecord::cstr_type2));
    EXPECT_TRUE(FieldLandsIn(kTaskXerFields, 61, &TaskRecord::create_user)) << "the largest number";
    EXPECT_EQ(FindXerField<TaskRecord>(kTaskXerFields, 62), nullptr);
    EXPECT_EQ(FindXerField<TaskRecord>(kTaskXerFields, 0), nullptr);
}

TEST(ActivityXerFields, AssignmentFieldNumbers) {
    EXPECT_TRUE(FieldLandsIn(kTaskRsrcXerFields, 4, &TaskRsrcRecord::rsrc_type));
    EXPECT_TRUE(FieldLandsIn(kTaskRsrcXerFields, 6, &TaskRsrcRecord::role_id));
    EXPECT_TRUE(FieldLandsIn(kTaskRsrcXerFields, 11, &TaskRsrcRecord::remain_qty));
    EXPECT_TRUE(FieldLandsIn(kTaskRsrcXerFields, 12, &TaskRsrcRecord::target_qty))
        << "the member without a field sits between 11 and 12";
    for (std::int32_t date_field : {27, 30, 34, 48}) {
        SCOPED_TRACE(date_field);
        EXPECT_TRUE(FieldIsDropped(kTaskRsrcXerFields, date_field));
    }
    EXPECT_TRUE(FieldLandsIn(kTaskRsrcXerFields, 35, &TaskRsrcRecord::guid));
    EXPECT_TRUE(FieldLandsIn(kTaskRsrcXerFields, 39, &TaskRsrcRecord::curv_id));
    EXPECT_TRUE(FieldLandsIn(kTaskRsrcXerFields, 49, &TaskRsrcRecord::create_user)) << "the largest number";
    EXPECT_EQ(FindXerField<TaskRsrcRecord>(kTaskRsrcXerFields, 50), nullptr);
}

TEST(ActivityXerFields, NoMemberIsFilledByTwoFields) {
    struct Case { const char* table; std::int32_t shared; };
    const Case cases[] = {
        {"TASK", FirstSharedMember(kTaskXerFields)},         {"TASKPRED", FirstSharedMember(kTaskPredXerFields)},
        {"TASKRSRC", FirstSharedMember(kTaskRsrcXerFields)}, {"TASKPROC", FirstSharedMember(kTaskProcXerFields)},
        {"TASKACTV", FirstSharedMember(kTaskActvXerFields)}, {"ACTVCODE", FirstSharedMember(kActvCodeXerFields)},
        {"ACTVTYPE", FirstSharedMember(kActvTypeXerFields)}, {"UDFTYPE", FirstSharedMember(kUdfTypeXerFields)},
        {"UDFVALUE", FirstSharedMember(kUdfValueXerFields)}, {"MEMOTYPE", FirstSharedMember(kMemoTypeXerFields)},
        {"TASKMEMO", FirstSharedMember(kTaskMemoXerFields)}, {"WBSMEMO", FirstSharedMember(kWbsMemoXerFields)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.table);
        EXPECT_EQ(c.shared, 0) << "field number that repeats an earlier field's member";
    }
}

TEST(ActivityXerFields, AssignmentRowKeepsNoDates) {
    auto assignment = std::make_unique<TaskRsrcRecord>();
    for (std::int32_t field = 27; field <= 34; ++field)
        StoreXerField(*assignment, kTaskRsrcXerFields, field, L"2024-03-01 08:00");
    StoreXerField(*assignment, kTaskRsrcXerFields, 48, L"2024-03-01 08:00");
    StoreXerField(*assignment, kTaskRsrcXerFields, 49, L"planner");

    for (s_date TaskRsrcRecord::*member :
         {&TaskRsrcRecord::act_start_date, &TaskRsrcRecord::act_end_date, &TaskRsrcRecord::restart_date,
          &TaskRsrcRecord::reend_date, &TaskRsrcRecord::target_start_date, &TaskRsrcRecord::target_end_date,
          &TaskRsrcRecord::rem_late_start_date, &TaskRsrcRecord::rem_late_end_date, &TaskRsrcRecord::create_date})
        EXPECT_EQ((assignment.get()->*member).null_flag, 1);
    EXPECT_EQ(assignment->create_user.text, L"planner");
}

TEST(ActivityXerFields, RowsWithoutDefaultedFieldsKeepDefaults) {
    // Only the keys and a name: every defaulted member stays as built.
    auto task = std::make_unique<TaskRecord>();
    StoreXerRow(*task, kTaskXerFields, std::array<std::wstring_view, 3>{L"101", L"7", L"55"});
    StoreXerField(*task, kTaskXerFields, 16, L"Pour slab");
    EXPECT_EQ(task->task_id.value, 101u);
    EXPECT_EQ(task->task_name.text, L"Pour slab");
    ExpectSet(task->complete_pct_type, 1, "complete_pct_type");

    auto assignment = std::make_unique<TaskRsrcRecord>();
    StoreXerRow(*assignment, kTaskRsrcXerFields, std::array<std::wstring_view, 3>{L"9", L"101", L"7"});
    ExpectSet(assignment->rsrc_type, 0, "rsrc_type");
    ExpectText(assignment->rate_type, L"COST_PER_QTY", "rate_type");
    ExpectText(assignment->cost_per_qty_source_type, L"ST_Rsrc", "cost_per_qty_source_type");
    ExpectFlag(assignment->rollup_dates_flag, true, "rollup_dates_flag");
}

TEST(ActivityXerFields, MemoTablesFillKeysInOppositeOrder) {
    auto task_memo = std::make_unique<MemoRecord>();
    StoreXerRow(*task_memo, kTaskMemoXerFields,
                std::array<std::wstring_view, 5>{L"1", L"101", L"30", L"7", L"<p>Task note</p>"});
    const MemoRecord::keys task_keys = task_memo->Keys(memo_table::task_memo);
    EXPECT_EQ(task_keys.owner_id.value, 101u);
    EXPECT_EQ(task_keys.memo_type_id.value, 30u);
    EXPECT_EQ(task_keys.proj_id.value, 7u);
    EXPECT_EQ(task_memo->key_3.value, 30u) << "a task memo's type lands in member 3";

    // WBSMEMO field order: wbs_memo_id, proj_id, memo_type_id, wbs_id, wbs_memo.
    auto wbs_memo = std::make_unique<MemoRecord>();
    StoreXerRow(*wbs_memo, kWbsMemoXerFields,
                std::array<std::wstring_view, 5>{L"2", L"7", L"30", L"55", L"<p>WBS note</p>"});
    EXPECT_EQ(wbs_memo->key_3.value, 55u) << "wbs_id lands in member 3";
    EXPECT_EQ(wbs_memo->key_4.value, 30u) << "memo_type_id lands in member 4";
    const MemoRecord::keys wbs_keys = wbs_memo->Keys(memo_table::wbs_memo);
    EXPECT_EQ(wbs_keys.owner_id.value, 55u);
    EXPECT_EQ(wbs_keys.memo_type_id.value, 30u);
    EXPECT_EQ(wbs_keys.proj_id.value, 7u);
    EXPECT_EQ(wbs_memo->memo_text.text, L"<p>WBS note</p>");
}

}  // namespace
}  // namespace varnholt
