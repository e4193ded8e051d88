// The field rules: which names each table knows, and what each kind of field makes of a
// value text, one table per family of rules.

#include "tests/import/xer_test_support.h"

#include "import/xer_field_defs.h"
#include "model/records/ActvCodeRecord.h"
#include "model/records/CalendarRecord.h"
#include "model/records/MemoRecord.h"
#include "model/records/PCatValRecord.h"
#include "model/records/ProjWbsRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/records/RCatValRecord.h"
#include "model/records/RoleRateRecord.h"
#include "model/records/RsrcRateRecord.h"
#include "model/records/RsrcRecord.h"
#include "model/records/RsrcRoleRecord.h"
#include "model/records/ShiftRecord.h"
#include "model/records/TaskRecord.h"
#include "model/records/TaskRsrcRecord.h"
#include "model/records/UdfTypeRecord.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>

namespace varnholt {
namespace {

using document::xer_doc;
using document::xer_parser;
using testing_support::ReadXer;
using testing_support::ReaderDocument;
using testing_support::WithHeader;

constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();

// Ids run 1..N without gaps: every name of a table is different.
TEST(XerFieldNames, NamesAreUniqueWithinEachTable) {
    for (const xer_table_name& table : xer_table_names()) {
        SCOPED_TRACE(std::string(table.name.begin(), table.name.end()));
        std::set<std::wstring_view> names;
        for (const xer_field_def& field : xer_field_defs(table.id)) EXPECT_TRUE(names.insert(field.name).second);
        EXPECT_FALSE(names.empty());
    }
}

TEST(XerFieldRules, KeysAndCounts) {
    struct Case { const char* why; std::wstring_view text; std::uint32_t key; std::int32_t seq; } const cases[] = {
        {"plain number", L"42", 42, 42}, {"empty text is 0 with a value", L"", 0, 0},
        {"digits then letters", L"12abc", 12, 12}, {"leading blanks and a sign", L"  +7", 7, 7},
        {"no digits", L"abc", 0, 0}, {"beyond 32 bits is clamped", L"99999999999", 2147483647, kIntMax},
        {"negative key keeps its bit pattern", L"-1", 4294967295U, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        ProjWbsRecord wbs;
        xer_parser::set_projwbs_field(wbs, 1, c.text);  // wbs_id
        xer_parser::set_projwbs_field(wbs, 4, c.text);  // seq_num
        EXPECT_EQ(wbs.wbs_id.value, c.key);
        EXPECT_EQ(wbs.wbs_id.null_flag, 0);
        EXPECT_EQ(wbs.seq_num.value, c.seq);
    }
}

TEST(XerFieldRules, ActivityDurationsDatesAndFloatPaths) {
    TaskRecord task;
    const s_date created_start = task.act_start_date;
    xer_parser::set_task_field(task, 18, L"");       // total_float_hr_cnt
    xer_parser::set_task_field(task, 19, L"-16.5");  // free_float_hr_cnt
    xer_parser::set_task_field(task, 20, L"");       // remain_drtn_hr_cnt
    xer_parser::set_task_field(task, 29, L"");       // act_start_date
    xer_parser::set_task_field(task, 30, L"CD");     // act_end_date
    xer_parser::set_task_field(task, 34, L"2015-03-04 08:30");
    xer_parser::set_task_field(task, 49, L"");       // float_path
    xer_parser::set_task_field(task, 50, L"3");      // float_path_order
    xer_parser::set_task_field(task, 59, L"");       // update_user
    xer_parser::set_task_field(task, 61, L"");       // create_user

    EXPECT_EQ(task.total_float_hr_cnt.blank, 1) << "empty float: blank duration";
    EXPECT_EQ(task.total_float_hr_cnt.to_string(), L"");
    EXPECT_DOUBLE_EQ(task.free_float_hr_cnt.value, -16.5);
    EXPECT_EQ(task.remain_drtn_hr_cnt.blank, 0) << "other durations read empty as 0 hours";
    EXPECT_EQ(task.remain_drtn_hr_cnt.null_flag, 0);
    EXPECT_EQ(task.act_start_date.null_flag, created_start.null_flag) << "empty date: left as created";
    EXPECT_EQ(task.act_end_date.seconds, s_date::today().seconds);
    EXPECT_EQ(task.early_start_date.seconds, s_date::from_ymdhm(2015, 3, 4, 8, 30).seconds);
    EXPECT_EQ(task.float_path.value, kIntMax);
    EXPECT_EQ(task.float_path.blank, 1);
    EXPECT_EQ(task.float_path.null_flag, 0);
    EXPECT_EQ(task.float_path.to_string(), L"");
    EXPECT_EQ(task.OptionalValues().float_path_order.value, 3);
    EXPECT_EQ(task.OptionalValues().float_path_order.blank, 0);
    EXPECT_EQ(task.update_user.null_flag, 1) << "empty update_user: left as created";
    EXPECT_EQ(task.create_user.text, L"");
}

TEST(XerFieldRules, TextsFlagsAndEnumerations) {
    TaskRecord task;
    xer_parser::set_task_field(task, 16, L"Pour \"\"deck\"\" slab");  // task_name
    xer_parser::set_task_field(task, 7, L"Y");                         // rev_fdbk_flag
    xer_parser::set_task_field(task, 8, L"y");                         // lock_plan_flag
    xer_parser::set_task_field(task, 14, L"TK_Active");                // status_code
    xer_parser::set_task_field(task, 11, L"not a type");               // task_type
    xer_parser::set_task_field(task, 13, L"RV_Anything");              // review_type: dropped
    EXPECT_EQ(task.task_name.text, L"Pour \"deck\" slab");
    EXPECT_TRUE(task.OptionalValues().rev_fdbk_flag.as_bool());
    EXPECT_FALSE(task.OptionalValues().lock_plan_flag.as_bool()) << "only an upper-case Y is yes";
    EXPECT_EQ(task.status_code.value, 1);
    EXPECT_EQ(task.status_code.null_flag, 0);
    EXPECT_EQ(task.task_type.value, 0) << "unknown text takes the fallback";
    EXPECT_EQ(task.OptionalValues().review_status.null_flag, 1);

    ProjectRecord project;
    xer_parser::set_project_field(project, 45, L"TT_\"\"x\"\"");  // def_task_type: plain text
    xer_parser::set_project_field(project, 12, L"");              // def_complete_pct_type
    EXPECT_EQ(project.def_task_type, L"TT_\"\"x\"\"") << "plain text keeps doubled quotation marks";
    EXPECT_EQ(project.def_complete_pct_type, L"") << "an empty plain text replaces the initial one";
}

TEST(XerFieldRules, QuantitiesAndPrices) {
    struct Case { const char* why; s_unit value; std::int32_t kind; bool blank; double number; };
    RsrcRecord resource;
    xer_parser::set_rsrc_field(resource, 21, L"0.5");  // def_qty_per_hr
    RsrcRateRecord rate;
    xer_parser::set_rsrcrate_field(rate, 6, L"");      // cost_per_qty
    xer_parser::set_rsrcrate_field(rate, 7, L"85.5");  // cost_per_qty2
    RoleRateRecord role_rate;
    xer_parser::set_rolerate_field(role_rate, 3, L"");      // cost_per_qty
    xer_parser::set_rolerate_field(role_rate, 4, L"60");    // cost_per_qty2
    RoleLimitRecord limit;
    xer_parser::set_rolelimit_field(limit, 4, L"2");  // max_qty_per_hr
    TaskRecord task;
    xer_parser::set_task_field(task, 21, L"12.25");  // act_work_qty

    const Case cases[] = {
        {"resource units per time", resource.def_qty_per_hr, s_unit::kUnitsPerTime, false, 0.5},
        {"empty resource price is a zero price", rate.cost_per_qty, s_unit::kPricePerHour, false, 0},
        {"resource price", rate.cost_per_qty2, s_unit::kPricePerHour, false, 85.5},
        {"empty role price is blank", role_rate.cost_per_qty, s_unit::kPricePerHour, true, 0},
        {"role price", role_rate.cost_per_qty2, s_unit::kPricePerHour, false, 60},
        {"role limit units per time", limit.max_qty_per_hr, s_unit::kUnitsPerTime, false, 2},
        {"activity work", task.act_work_qty, s_unit::kQuantity, false, 12.25},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(c.value.kind, c.kind);
        EXPECT_EQ(c.value.blank != 0, c.blank);
        EXPECT_EQ(c.value.null_flag != 0, c.blank);
        EXPECT_DOUBLE_EQ(c.value.value, c.number);
    }
    EXPECT_EQ(role_rate.cost_per_qty.to_string(), L"");
}

TEST(XerFieldRules, ResourceAssignmentsRolesAndShifts) {
    TaskRsrcRecord assignment;
    xer_parser::set_taskrsrc_field(assignment, 9, L"Senior");   // skill_level: text here
    xer_parser::set_taskrsrc_field(assignment, 27, L"2020-01-01 08:00");  // act_start_date: dropped
    xer_parser::set_taskrsrc_field(assignment, 12, L"40");      // target_qty
    EXPECT_EQ(assignment.Details().skill_level.text, L"Senior");
    EXPECT_DOUBLE_EQ(assignment.target_qty.value, 40);

    RsrcRoleRecord resource_role;
    xer_parser::set_rsrcrole_field(resource_role, 9, L"1");  // skill_level: a proficiency
    EXPECT_EQ(resource_role.skill_level.value, 0);

    ShiftPerRecord period;
    xer_parser::set_shiftper_field(period, 3, L"8:30");
    EXPECT_EQ(period.shift_start_hr_num.minutes, 510U);
    xer_parser::set_shiftper_field(period, 3, L"8");
    EXPECT_EQ(period.shift_start_hr_num.minutes, 480U) << "a later value replaces the earlier";

    ReaderDocument doc;
    ASSERT_TRUE(ReadXer(doc, WithHeader({"%T\tSHIFT", "%F\tshift_id\tshift_name", "%R\t12abc\tDay \"\"A\"\""})).doc);
    ASSERT_EQ(doc.Shifts().size(), 1U);
    EXPECT_EQ(doc.Shifts()[0]->shift_id.value, 12U);
    EXPECT_EQ(doc.Shifts()[0]->shift_name.text, L"Day \"A\"");
}

// The block of rarely given assignment values is made by the first of its own values only.
TEST(XerFieldRules, AssignmentDetailsMadeByTheirOwnValues) {
    TaskRsrcRecord assignment;
    xer_parser::set_taskrsrc_field(assignment, 27, L"2020-01-01 08:00");  // act_start_date: dropped
    xer_parser::set_taskrsrc_field(assignment, 12, L"40");                // target_qty: the record's
    xer_parser::set_taskrsrc_field(assignment, 36, L"COST_PER_QTY2");     // rate_type: the record's
    EXPECT_EQ(assignment.details, nullptr);
    EXPECT_EQ(assignment.Details().cost_per_qty_source_type.text, L"ST_Rsrc");
    EXPECT_TRUE(assignment.Details().rollup_dates_flag.as_bool());
    xer_parser::set_taskrsrc_field(assignment, 21, L"1.5");  // ot_factor
    ASSERT_NE(assignment.details, nullptr);
    EXPECT_DOUBLE_EQ(assignment.Details().ot_factor.value, 1.5);
    EXPECT_EQ(assignment.Details().cost_per_qty_source_type.text, L"ST_Rsrc") << "defaults as before";
    EXPECT_EQ(assignment.rate_type.text, L"COST_PER_QTY2");
}

TEST(XerFieldRules, CodesMemosAndUserFields) {
    ActvCodeRecord code;
    code.color = 0x123456;
    xer_parser::set_actvcode_field(code, 7, L"255");
    EXPECT_EQ(code.color, 0xFF000000U) << "any colour text gives the fixed colour";

    MemoRecord task_memo, wbs_memo;
    for (int id = 1; id <= 4; ++id) {
        xer_parser::set_taskmemo_field(task_memo, id, std::to_wstring(id));
        xer_parser::set_wbsmemo_field(wbs_memo, id, std::to_wstring(id));
    }
    xer_parser::set_wbsmemo_field(wbs_memo, 5, L"<p>note</p>");
    // TASKMEMO: memo_id 1, task_id 2, memo_type_id 3, proj_id 4.
    EXPECT_EQ(task_memo.Keys(memo_table::task_memo).owner_id.value, 2U);
    EXPECT_EQ(task_memo.Keys(memo_table::task_memo).proj_id.value, 4U);
    // WBSMEMO: wbs_memo_id 1, proj_id 2, memo_type_id 3, wbs_id 4.
    EXPECT_EQ(wbs_memo.Keys(memo_table::wbs_memo).owner_id.value, 4U);
    EXPECT_EQ(wbs_memo.Keys(memo_table::wbs_memo).proj_id.value, 2U);
    EXPECT_EQ(wbs_memo.Keys(memo_table::wbs_memo).memo_type_id.value, 3U);
    EXPECT_EQ(wbs_memo.memo_text.text, L"<p>note</p>");

    RsrcRCatRecord resource_code;
    ProjPCatRecord project_code;
    xer_parser::set_catg_assign_field(resource_code, 3, L"77");
    xer_parser::set_catg_assign_field(project_code, 3, L"78");
    EXPECT_EQ(resource_code.rsrc_catg_id.value, 77U);
    EXPECT_EQ(project_code.proj_catg_id.value, 78U);

    UdfValueRecord udf;
    xer_parser::set_udfvalue_field(udf, 6, L"");  // udf_number
    xer_parser::set_udfvalue_field(udf, 4, L"");  // udf_date
    EXPECT_DOUBLE_EQ(udf.udf_number.value, 0);
    EXPECT_EQ(udf.udf_number.null_flag, 0);
    EXPECT_EQ(udf.udf_date.null_flag, 1);
}

TEST(XerFieldRules, IdsOutsideTheTableChangeNothing) {
    for (const int id : {0, -1, 8, 1000, std::numeric_limits<int>::min()}) {
        SCOPED_TRACE(id);
        UdfTypeRecord type;
        xer_parser::set_udftype_field(type, id, L"42");
        EXPECT_EQ(type.udf_type_id.null_flag, 1);
        EXPECT_EQ(type.table_name.text, L"");
    }
}

TEST(XerFieldRules, CalendarDataIsStoredAndRead) {
    CalendarRecord calendar;
    const std::wstring_view data = L"(0||CalendarData()((0||DaysOfWeek()((0||2()((0||0(s|08:00|f|12:00)())))))))";
    xer_parser::set_calendar_field(calendar, 8, data);
    EXPECT_EQ(calendar.clndr_data.text, data);
    EXPECT_EQ(calendar.GetWeekday(2)->periods.size(), 1U);

    CalendarRecord other;
    xer_parser::set_calendar_field(other, 8, L"not \"\"calendar\"\" data");
    EXPECT_EQ(other.clndr_data.text, L"not \"calendar\" data") << "stored whether or not it reads";
    for (std::int32_t day = 1; day <= 7; ++day) EXPECT_TRUE(other.GetWeekday(day)->periods.empty());
    EXPECT_TRUE(other.exceptions.empty());
}

}  // namespace
}  // namespace varnholt
