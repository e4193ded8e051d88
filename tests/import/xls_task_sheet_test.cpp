// xls_task_sheet_test.cpp - the TASK sheet of a workbook: the types and columns its headers
// declare, the activities of its rows and the value of each kind of cell, the user-defined
// fields and codes that reach each activity, which columns count as supplied, and the currency
// sign of the cost captions.

#include "columns/ColumnCatalog.h"
#include "model/number_formats.h"
#include "model/records/ActvCodeRecord.h"
#include "model/records/CurrTypeRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/records/TaskRecord.h"
#include "model/records/UdfTypeRecord.h"
#include "xls_import_support.h"

#include <gtest/gtest.h>

namespace varnholt::document {
namespace {

using testing_support::LoadSheets;
using testing_support::ScheduleSheet;
using testing_support::UserDataSheet;
using testing_support::XlsImportTest;
using Rows = std::vector<std::vector<std::string>>;

class TaskSheetTest : public XlsImportTest {
protected:
    static std::unique_ptr<Document_xls> LoadTasks(std::vector<std::string> fields, Rows rows,
                                                   std::vector<std::string> captions = {}) {
        return LoadSheets({UserDataSheet(), ScheduleSheet("TASK", std::move(fields), std::move(rows), std::move(captions))});
    }
    static const ColumnDef* ActivityColumn(std::uint32_t column_id) {
        return ColumnCatalog::Instance().FindActivityByColumnId(column_id);
    }
    static bool Present(std::uint32_t column_id) {
        const ColumnDef* column = ActivityColumn(column_id);
        return column != nullptr && column->present != 0;
    }
};

TEST_F(TaskSheetTest, HeadersDeclareUserFieldAndCodeColumns) {
    const auto doc = LoadTasks({"user_field_7", "user_field_0", "user_field_", "user_field_x1", "user_field_2b",
                                "actv_code_phase_id", "actv_code_area_id"},
                               {{"a", "", "", "", "", "DES", "North"},
                                {"b", "", "", "", "", "DES", "DES"}, {"c", "", "", "", "", "", "North"}},
                               {"Discipline", "Zero", "Bare", "Mixed", "Trailing", "Phase", "Gel\xC3\xA4nde"});
    ASSERT_EQ(doc->UdfTypes().size(), 1u) << "only user_field_7 names a field";
    EXPECT_EQ(doc->UdfTypes()[0]->udf_type_id.value, 7u);
    const ColumnDef* field = ActivityColumn(100007);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->caption, L"Discipline");
    EXPECT_EQ(field->group, ColumnGroup::user_defined);
    EXPECT_TRUE(field->present);

    ASSERT_EQ(doc->ActvTypes().size(), 2u);
    const ColumnDef* phase = ActivityColumn(500001);
    const ColumnDef* area = ActivityColumn(500002);
    ASSERT_NE(phase, nullptr);
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(phase->caption, L"Phase");
    EXPECT_EQ(area->caption, L"Gel\u00E4nde") << "captions are UTF-8";
    EXPECT_EQ(phase->group, ColumnGroup::activity_codes);
    // A text repeated in a column is one code; the same text in two columns is two; an empty
    // cell is a code text like any other.
    std::vector<std::pair<std::uint32_t, std::wstring>> codes;
    for (const auto& code : doc->ActvCodes()) codes.emplace_back(code->actv_code_type_id.value, code->short_name.text);
    const std::vector<std::pair<std::uint32_t, std::wstring>> expected = {
        {1, L"DES"}, {1, L""}, {2, L"North"}, {2, L"DES"}};
    EXPECT_EQ(codes, expected);
    EXPECT_EQ(doc->ActvCodes()[3]->actv_code_id.value, 4u);
}

TEST_F(TaskSheetTest, ShortSheetsAddLittleOrNothing) {
    struct Case { const char* why; Rows rows; std::size_t code_columns; std::size_t activities; } const cases[] = {
        {"header row only", {{"actv_code_phase_id", "task_code"}}, 0, 0},
        {"header and captions", {{"actv_code_phase_id", "task_code"}, {"Phase", "Activity ID"}}, 1, 0},
        {"one data row", {{"actv_code_phase_id", "task_code"}, {"Phase", "Activity ID"}, {"DES", "A1"}}, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        ColumnCatalog::Instance().BuildAllColumns();
        const auto doc = LoadSheets({UserDataSheet(), {"TASK", c.rows}});
        EXPECT_EQ(ActivityColumn(500001) != nullptr ? 1u : 0u, c.code_columns);
        EXPECT_EQ(doc->Tasks().size(), c.activities);
        EXPECT_EQ(doc->ActvCodes().size(), c.activities) << "codes come from data rows only";
    }
}

TEST_F(TaskSheetTest, ActivitiesAreNumberedUnlessTheSheetGivesIds) {
    const auto numbered = LoadTasks({"task_code"}, {{"A1"}, {"A2"}, {"A3"}});
    ASSERT_EQ(numbered->Tasks().size(), 3u);
    for (std::uint32_t i = 0; i < 3; ++i) {
        const TaskRecord& task = *numbered->Tasks()[i];
        EXPECT_EQ(task.task_id.value, i + 1);
        EXPECT_EQ(task.proj_id.value, 1u);
        EXPECT_EQ(task.project, numbered->Projects().front().get());
    }
    EXPECT_EQ(numbered->Projects().front()->activities.size(), 3u);

    const auto given = LoadTasks({"task_code", "task_id"}, {{"A1", "1040"}, {"A2", "77.000000"}});
    EXPECT_EQ(given->Tasks()[0]->task_id.value, 1040u);
    EXPECT_EQ(given->Tasks()[1]->task_id.value, 77u) << "a number cell reads as its leading integer";
}

TEST_F(TaskSheetTest, EachKindOfCellGivesItsValue) {
    struct Case {
        const char* why;
        const char* header;
        const char* cell;
        std::int32_t field_id;
        bool has_value;
        double number;  // seconds for dates
    };
    const double morning = static_cast<double>(s_date::from_ymdhm(2024, 3, 4, 8, 30).seconds);
    const double evening = static_cast<double>(s_date::from_ymdhm(2024, 3, 4, 20, 30).seconds);
    const Case cases[] = {
        {"cost", "act_work_cost", "1234.5", 11, true, 1234.5},
        {"an empty cost is an amount of 0", "total_cost", "", 22, true, 0.0},
        {"earned value is a cost", "bac", "99.000000", 102, true, 99.0},
        {"percent as written", "complete_pct", "42.5", 178, true, 42.5},
        {"an empty percent is 0", "drtn_complete_pct", "", 181, true, 0.0},
        {"physical percent", "calc_phys_complete_pct", "12", 191, true, 12.0},
        {"date before noon", "start_date", "3/4/2024 8:30:00 AM", 82, true, morning},
        {"date after noon", "end_date", "3/4/2024 8:30:00 PM", 70, true, evening},
        {"baseline date", "base_start_date", "3/4/2024 8:30:00", 58, true, morning},
        {"an empty date has no value", "act_start_date", "", 54, false, 0.0},
        {"duration in hours", "target_drtn_hr_cnt", "16", 89, true, 16.0},
        {"negative float", "total_float_hr_cnt", "-4.5", 92, true, -4.5},
        {"an empty duration is blank", "remain_drtn_hr_cnt", "", 90, false, 0.0},
        {"variance duration", "var_drtn_hr_cnt", "3", 93, true, 3.0},
        {"quantity", "act_work_qty", "7.25", 194, true, 7.25},
        {"an empty quantity is blank", "remain_work_qty", "", 206, false, 0.0},
        {"scheduled work", "sched_work_qty", "8", 117, true, 8.0},
        {"text that is no number reads 0", "act_mat_cost", "n/a", 12, true, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const auto doc = LoadTasks({"task_code", c.header}, {{"A1", c.cell}});
        ASSERT_EQ(doc->Tasks().size(), 1u);
        const s_val* value = doc->Tasks()[0]->GetFieldValue(c.field_id);
        EXPECT_EQ(value->null_flag == 0, c.has_value);
        const double number = value->is_date() ? static_cast<double>(value->as_int64()) : value->as_double();
        EXPECT_DOUBLE_EQ(number, c.number);
    }
}

TEST_F(TaskSheetTest, FlagsEnumerationsAndTexts) {
    const auto doc = LoadTasks(
        {"task_code", "task_name", "critical_flag", "lock_plan_flag", "driving_path_flag", "rev_fdbk_flag",
         "status_code", "task_type", "cstr_type", "row_count"},
        {{"A1", "Pr\xC3\xBC" "fung \xE2\x80\x94 Fundament", "Y", "y", "Yes", "", "TK_Active", "TT_Mile", "CS_MSO", "9"},
         {"A2", "Pose", "N", "Y", "Y", "Y", "Completed", "Finish Milestone", "nonsense", ""}});
    const TaskRecord& first = *doc->Tasks()[0];
    const TaskRecord& second = *doc->Tasks()[1];
    EXPECT_EQ(first.task_name.text, L"Pr\u00FCfung \u2014 Fundament") << "names are decoded as UTF-8";
    EXPECT_TRUE(first.critical_flag.as_bool());
    EXPECT_FALSE(first.OptionalValues().lock_plan_flag.as_bool()) << "only the exact text Y is yes";
    EXPECT_FALSE(first.driving_path_flag.as_bool());
    EXPECT_FALSE(first.OptionalValues().rev_fdbk_flag.as_bool());
    EXPECT_EQ(first.OptionalValues().rev_fdbk_flag.null_flag, 0) << "an empty flag cell still gives a value";
    EXPECT_FALSE(second.critical_flag.as_bool());
    EXPECT_EQ(first.status_code.value, 1) << "by code";
    EXPECT_EQ(second.status_code.value, 0) << "by caption";
    EXPECT_EQ(first.task_type.value, 3);
    EXPECT_EQ(second.task_type.value, 4);
    EXPECT_EQ(second.cstr_type.value, 0) << "unknown text falls back";
    EXPECT_EQ(first.row_count.value, 1) << "a row counts 1 whatever the cell holds";
}

TEST_F(TaskSheetTest, CodesAreFoundByTheHeaderNotTheCaption) {
    // The code type is named after the column's caption; the cells find it by the header.
    const auto doc = LoadTasks({"task_code", "actv_code_resp_id"}, {{"A1", "ENG"}}, {"Activity ID", "Responsible"});
    ASSERT_EQ(doc->ActvTypes().size(), 1u);
    EXPECT_EQ(doc->ActvTypes()[0]->actv_code_type.text, L"Responsible");
    EXPECT_EQ(doc->Tasks()[0]->GetColumnValue(500001)->to_string(), L"ENG");

    // The shortest header that declares a code type also takes its values.
    ColumnCatalog::Instance().BuildAllColumns();
    const auto shortest = LoadTasks({"task_code", "actv_code_x"}, {{"A1", "ENG"}});
    EXPECT_EQ(shortest->Tasks()[0]->GetColumnValue(500001)->to_string(), L"ENG");
}

TEST_F(TaskSheetTest, MarksTheColumnsTheSheetSupplies) {
    const auto doc = LoadTasks({"task_code", "Task_Name", "status_code", "start_date", "act_work_qty", "wbs_name"},
                               {{"A1", "Lower case only", "TK_Active", "3/4/2024 8:00:00 AM", "8", "Design"}});
    EXPECT_TRUE(Present(130)) << "task_code";
    EXPECT_TRUE(Present(133)) << "status_code";
    EXPECT_TRUE(Present(82)) << "start_date";
    EXPECT_TRUE(Present(154)) << "wbs_name";
    EXPECT_FALSE(Present(132)) << "a header in other letter case names no column";
    EXPECT_TRUE(doc->Tasks()[0]->task_name.text.empty());
    EXPECT_FALSE(Present(70)) << "end_date is not in the sheet";
    const ColumnCatalog& catalog = ColumnCatalog::Instance();
    const auto project_present = [&](std::uint32_t id) { return catalog.FindProjectByColumnId(id)->present != 0; };
    const auto wbs_present = [&](std::uint32_t id) { return catalog.FindWbsByColumnId(id)->present != 0; };
    EXPECT_TRUE(project_present(340)) << "status counts of projects";
    EXPECT_TRUE(wbs_present(478)) << "status counts of WBS elements";
    EXPECT_TRUE(project_present(279)) << "project start";
    EXPECT_TRUE(wbs_present(434)) << "WBS start";
    EXPECT_FALSE(wbs_present(429)) << "WBS finish";
    EXPECT_TRUE(project_present(362)) << "project actual labor units";
}

TEST_F(TaskSheetTest, CostCaptionsNameTheCurrencySign) {
    struct Case { const char* why; const char* caption; std::wstring sign; } const cases[] = {
        {"sign in parentheses", "Actual Labor Cost(\xE2\x82\xAC)", L"\u20AC"},
        {"the last parentheses win", "Cost (net) (CHF)", L"CHF"}, {"empty parentheses", "Actual Labor Cost()", L""},
        {"no closing parenthesis", "Actual Labor Cost(EUR", L"$"},
        {"closing before opening", "Actual) Labor (Cost", L"$"}, {"no parentheses", "Actual Labor Cost", L"$"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        ColumnCatalog::Instance().BuildAllColumns();
        ResetValueFormats();
        const auto doc = LoadTasks({"task_code", "act_work_cost"}, {{"A1", "10"}}, {"Activity ID", c.caption});
        EXPECT_EQ(doc->FindCurrency(s_unsigned_long(1))->curr_symbol.text, c.sign);
        EXPECT_EQ(value_formats().cost_number_format.currency_symbol, c.sign) << "costs are shown with it";
    }
}

TEST_F(TaskSheetTest, TheFirstPresentCostColumnGivesTheSign) {
    // act_expense_cost (field 10) comes before act_work_cost (11) whatever the column order.
    const auto doc = LoadTasks({"task_code", "act_work_cost", "act_expense_cost"}, {{"A1", "1", "2"}},
                               {"Activity ID", "Labor(GBP)", "Expenses(SEK)"});
    EXPECT_EQ(doc->FindCurrency(s_unsigned_long(1))->curr_symbol.text, L"SEK");
}

TEST_F(TaskSheetTest, ProjectShortNameFromItsColumn) {
    const auto doc = LoadTasks({"task_code", "project__proj_short_name"}, {{"A1", "HARBOUR"}});
    EXPECT_EQ(doc->Projects().front()->proj_short_name.text, L"HARBOUR");
    EXPECT_TRUE(ColumnCatalog::Instance().FindProjectByColumnId(328)->present);
}

}  // namespace
}  // namespace varnholt::document
