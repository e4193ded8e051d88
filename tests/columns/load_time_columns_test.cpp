// load_time_columns_test.cpp - columns for user-defined fields and codes: ids and their ranges,
// names, groups, value kinds, refusals, and their lifetime across two opened documents.

#include "column_catalog_fixture.h"

#include "columns/column_ids.h"
#include "columns/load_time_columns.h"
#include "model/s_enums.h"
#include "model/text_utils.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace varnholt {
namespace {

using LoadTimeColumnTest = ColumnCatalogTest;

constexpr std::uint64_t kMax32 = std::numeric_limits<std::uint32_t>::max();

TEST(LoadTimeColumnKindTest, UdfLogicalTypesChooseTheValueKind) {
    struct KindCase { const wchar_t* logical_type; ColumnValueKind expected; };
    constexpr KindCase kCases[] = {
        {L"FT_START_DATE", ColumnValueKind::date}, {L"FT_END_DATE", ColumnValueKind::date},
        {L"FT_TEXT", ColumnValueKind::text},       {L"FT_FLOAT_2_DECIMALS", ColumnValueKind::real},
        {L"FT_MONEY", ColumnValueKind::cost},      {L"FT_INT", ColumnValueKind::integer},
        {L"FT_STATICTYPE", ColumnValueKind::indicator},
        {L"FT_UNKNOWN", ColumnValueKind::text},  // an unknown code reads as the type's default, text
    };
    for (const KindCase& c : kCases) {
        SCOPED_TRACE(narrow_string(c.logical_type));
        EXPECT_EQ(UdfValueKind(s_logical_data_type(c.logical_type)), c.expected);
    }
    EXPECT_EQ(ActivityCodeGroup(s_activity_code_type_scope(L"AS_Global")), ColumnGroup::activity_codes_global);
    EXPECT_EQ(ActivityCodeGroup(s_activity_code_type_scope(L"AS_EPS")), ColumnGroup::activity_codes_eps);
    EXPECT_EQ(ActivityCodeGroup(s_activity_code_type_scope(L"AS_Project")), ColumnGroup::activity_codes_project);
}

TEST(LoadTimeColumnNameTest, CodeColumnNamesComeFromTheTypeName) {
    struct NameCase {
        LoadTimeKind kind;
        const wchar_t* type_name;
        std::uint32_t proj_id;
        const wchar_t* expected;
        const char* reason;
    };
    constexpr NameCase kCases[] = {
        {LoadTimeKind::activity_code, L"Cost Center", 0, L"actv_code_cost_center_id", "global type"},
        {LoadTimeKind::activity_code, L"Cost Center", 1234, L"actv_code_cost_center_1234_id", "project type"},
        {LoadTimeKind::activity_code, L"A  B", 0, L"actv_code_a__b_id", "each space becomes one '_'"},
        {LoadTimeKind::activity_code, L"Tab\there", 0, L"actv_code_tab\there_id", "only spaces are replaced"},
        {LoadTimeKind::activity_code, L"Zone", 4294967295u, L"actv_code_zone_4294967295_id", "largest project id"},
        {LoadTimeKind::project_code, L"Region Name", 0, L"proj_code_region_name_id", "project code"},
        {LoadTimeKind::project_code, L"Region", 77, L"proj_code_region_id", "no number on project codes"},
        {LoadTimeKind::resource_code, L"Skill", 0, L"res_code_skill_id", "resource code"},
        {LoadTimeKind::resource_code, L"BÜRO Ort", 0, L"res_code_büro_ort_id", "Latin-1 capitals fold too"},
    };
    for (const NameCase& c : kCases) {
        SCOPED_TRACE(c.reason);
        EXPECT_EQ(CodeColumnFieldName(c.kind, c.type_name, c.proj_id), c.expected);
    }
}

// A damaged file may repeat a type id or carry one so large that base + id lands in another
// kind's range or wraps; either way two columns would answer to one id.
TEST_F(LoadTimeColumnTest, ColumnsThatWouldShareOrLeaveTheirIdRangeAreRefused) {
    ASSERT_NE(AddUdf(L"TASK", 5, L"First", L"u5"), nullptr);
    ASSERT_NE(RegisterActivityCodeColumn(catalog(), {.type_id = 5, .type_name = L"Phase"}), nullptr);
    const std::size_t activity_size = catalog().activity_columns().size();

    struct Refusal {
        const ColumnDef* (*add)();
        const char* reason;
    };
    const Refusal refusals[] = {
        {[] { return AddUdf(L"TASK", 5, L"Again", L"x"); },
         "UDF id already taken in the table"},
        {[] { return RegisterActivityCodeColumn(catalog(), {.type_id = 5, .type_name = L"Other"}); },
         "activity-code id already taken"},
        {[] { return AddUdf(L"TASK", 400005, L"Large", L"y"); },
         "UDF id in the activity-code range (would be 500005, the code column's id)"},
        {[] { return AddUdf(L"TASK", kMax32, L"Wrap", L"z"); },
         "UDF id that wraps in 32 bits"},
        {[] { return RegisterActivityCodeColumn(catalog(), {.type_id = 100000, .type_name = L"Big"}); },
         "activity-code id in the project-code range"},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.reason);
        EXPECT_EQ(refusal.add(), nullptr);
        EXPECT_EQ(catalog().activity_columns().size(), activity_size) << "nothing appended";
    }
    EXPECT_EQ(catalog().FindActivityByColumnId(100005)->caption, L"First") << "the first column keeps its id";

    EXPECT_EQ(RegisterProjectCodeColumn(catalog(), {.type_id = 100000, .type_name = L"Big"}), nullptr);
    EXPECT_EQ(RegisterResourceCodeColumn(catalog(), {.type_id = kMax32, .type_name = L"Big"}), nullptr);
    EXPECT_NE(RegisterResourceCodeColumn(catalog(), {.type_id = kMax32 - 700000, .type_name = L"Top"}), nullptr);
    EXPECT_NE(AddUdf(L"PROJECT", 5, L"Project", L"u5"), nullptr) << "another table, another column";
}

TEST_F(LoadTimeColumnTest, OpeningAnotherDocumentDropsTheFirstOnesColumns) {
    // First document: a column of every sort.
    ASSERT_NE(AddUdf(L"TASK", 1, L"Old", L"old_task"), nullptr);
    ASSERT_NE(AddUdf(L"PROJWBS", 2, L"Old", L"old_wbs"), nullptr);
    ASSERT_NE(RegisterActivityCodeColumn(catalog(), {.type_id = 1, .type_name = L"Old Code"}), nullptr);
    ASSERT_NE(RegisterProjectCodeColumn(catalog(), {.type_id = 1, .type_name = L"Old"}), nullptr);
    ASSERT_NE(RegisterResourceCodeColumn(catalog(), {.type_id = 1, .type_name = L"Old"}), nullptr);
    EXPECT_EQ(catalog().activity_columns().size(), 210u);
    EXPECT_NE(catalog().FindWbsByColumnId(100002), nullptr);  // indexes now built over the old table

    OpenDocumentUnder(L"ENU");
    const std::pair<ColumnTable, std::size_t> sizes[] = {
        {ColumnTable::activity, 208}, {ColumnTable::project, 160}, {ColumnTable::wbs, 139},
        {ColumnTable::resource, 31},  {ColumnTable::predecessor, 28}, {ColumnTable::successor, 28},
    };
    for (const auto& [table, size] : sizes) EXPECT_EQ(catalog().columns(table).size(), size);
    EXPECT_EQ(catalog().FindActivityByColumnId(100001), nullptr);
    EXPECT_EQ(catalog().FindWbsByColumnId(100002), nullptr);
    EXPECT_EQ(catalog().FindActivityByFieldId(3), nullptr);
    EXPECT_EQ(catalog().FindAnyByColumnId(600001), nullptr);
    EXPECT_EQ(catalog().FindResourceByName(L"res_code_old_id"), nullptr);
    EXPECT_EQ(catalog().FindActivityByName(L"old_task"), nullptr);

    // Second document: ids of the first are free again, and the indexes answer for the new table.
    const ColumnDef* reused = AddUdf(L"TASK", 1, L"New", L"new_task");
    ASSERT_NE(reused, nullptr);
    EXPECT_EQ(catalog().FindActivityByColumnId(100001), reused);
    EXPECT_EQ(catalog().FindActivityByFieldId(2), reused);
    EXPECT_EQ(catalog().FindActivityByColumnId(213)->field_name, L"[caption]");
    EXPECT_EQ(catalog().activity_columns().size(), 209u);
}

}  // namespace
}  // namespace varnholt
