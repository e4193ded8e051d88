// xls_resources_test.cpp - the RSRC and TASKRSRC sheets: roles from the role lists, resources
// with their own rate, currency, calendar and shift, each resource's field values and role,
// and the resource tree from dotted resource paths (shown as indented text).

#include "columns/ColumnCatalog.h"
#include "import/xls_resource_cells.h"
#include "model/number_formats.h"
#include "model/records/CalendarRecord.h"
#include "model/records/TaskRecord.h"
#include "model/records/CurrTypeRecord.h"
#include "model/records/RoleRecord.h"
#include "model/records/RsrcRecord.h"
#include "model/records/ShiftRecord.h"
#include "model/records/UdfTypeRecord.h"
#include "xls_import_support.h"

#include <gtest/gtest.h>

#include <string>

namespace varnholt::document {
namespace {

using testing_support::LoadSheets;
using testing_support::ScheduleSheet;
using testing_support::UserDataSheet;
using testing_support::XlsImportTest;
using Rows = std::vector<std::vector<std::string>>;

// "id short name" per role, in role order.
std::wstring Roles(const Document& doc) {
    std::wstring out;
    for (const auto& role : doc.Roles())
        out += std::to_wstring(role->role_id.value) + L":" + role->role_short_name.text + L"/" + role->role_name.text + L" ";
    return out;
}

void PrintResource(const RsrcRecord& resource, int depth, std::wstring& out) {
    out += std::wstring(static_cast<std::size_t>(depth) * 2, L' ') + resource.rsrc_short_name.text + L"\n";
    for (const RsrcRecord* child : resource.children) PrintResource(*child, depth + 1, out);
}

std::wstring ResourceTree(const Document& doc) {
    std::wstring out;
    for (const auto& resource : doc.Rsrcs()) {
        if (resource->parent == nullptr) PrintResource(*resource, 0, out);
    }
    return out;
}

class ResourceSheetTest : public XlsImportTest {
protected:
    static std::unique_ptr<Document_xls> LoadResources(std::vector<std::string> fields, Rows rows,
                                                      std::vector<std::string> captions = {}) {
        return LoadSheets({UserDataSheet(), ScheduleSheet("RSRC", std::move(fields), std::move(rows), std::move(captions))});
    }
    static std::unique_ptr<Document_xls> LoadTree(const std::vector<std::string>& names, const std::vector<std::string>& paths) {
        Rows resources;
        for (const std::string& name : names) resources.push_back({name});
        Rows assignments;
        for (const std::string& path : paths) assignments.push_back({"A1", path});
        return LoadSheets({UserDataSheet(), ScheduleSheet("RSRC", {"rsrc_short_name"}, resources),
                           ScheduleSheet("TASKRSRC", {"task_id", "rsrc__rsrc_concat_name"}, assignments)});
    }
};

TEST_F(ResourceSheetTest, RolesComeFromTheRoleLists) {
    struct Case { const char* why; std::vector<std::string> fields; Rows rows; std::wstring roles; } const cases[] = {
        {"codes paired with names", {"role_code_list", "role_list"}, {{"A,B", "Alpha,Beta"}}, L"1:A/Alpha 2:B/Beta "},
        {"codes alone, in byte order", {"role_code_list"}, {{"B,A"}, {"A"}}, L"1:A/ 2:B/ "},
        {"surplus names pair with nothing", {"role_code_list", "role_list"}, {{"A", "Alpha,Beta"}}, L"1:A/Alpha "},
        {"a code keeps its first name", {"role_code_list", "role_list"}, {{"A", "Alpha"}, {"A, C", "Other, Gamma"}},
         L"1:A/Alpha 2:C/Gamma "},
        {"names alone", {"role_list"}, {{"Welder, Fitter"}}, L"1:/Fitter 2:/Welder "},
        {"role ids without lists", {"role_id"}, {{"ENG"}, {""}, {"ENG"}, {"ARC"}}, L"1:ARC/ 2:ENG/ "},
        {"no role column", {"rsrc_short_name"}, {{"R1"}}, L""},
        {"UTF-8 names", {"role_code_list", "role_list"}, {{"GR", "Gr\xC3\xBA" "a"}}, L"1:GR/Gr\u00FAa "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const auto doc = LoadResources(c.fields, c.rows);
        EXPECT_EQ(Roles(*doc), c.roles);
    }
}

TEST_F(ResourceSheetTest, FieldValuesOfAResource) {
    const auto doc = LoadResources(
        {"rsrc_short_name", "rsrc_name", "active_flag", "ot_flag", "rsrc_type", "rsrc_notes", "ot_factor",
         "def_qty_per_hr", "max_qty_per_hr", "cost_per_qty", "cost_per_qty3", "user_id", "employee_code"},
        {{"GR\xC3\x9A" "A", "Gr\xC3\xBA" "a torre", "N", "", "Material", "<p>Lift plan</p><b", "1.5", "8", "", "120.5",
          "", "jdoe", "E-7"},
         {"ENG", "Engineer", "n", "Y", "RT_Labor", "<p>Done</p>", "", "", "2", "", "", "", ""}});
    const RsrcRecord& crane = *doc->Rsrcs()[0];
    const RsrcRecord& engineer = *doc->Rsrcs()[1];
    EXPECT_EQ(crane.rsrc_short_name.text, L"GR\u00DAA");
    EXPECT_EQ(crane.rsrc_name.text, L"Gr\u00FAa torre");
    EXPECT_FALSE(crane.active_flag.as_bool()) << "only the exact text N is no";
    EXPECT_TRUE(crane.ot_flag.as_bool()) << "an empty resource flag is yes";
    EXPECT_TRUE(engineer.active_flag.as_bool());
    EXPECT_EQ(crane.rsrc_type.value, 2);
    EXPECT_EQ(crane.rsrc_notes.text, L"<p>Lift plan</p>") << "the unfinished tag goes";
    EXPECT_EQ(engineer.rsrc_notes.text, L"<p>Done</p>");
    EXPECT_DOUBLE_EQ(crane.ot_factor.value, 1.5);
    EXPECT_EQ(engineer.ot_factor.null_flag, 1) << "an empty factor has no value";
    EXPECT_DOUBLE_EQ(crane.def_qty_per_hr.value, 8.0);
    EXPECT_EQ(engineer.def_qty_per_hr.blank, 1);
    const RsrcRateRecord& crane_rate = *crane.rates[0];
    EXPECT_EQ(crane_rate.max_qty_per_hr.blank, 1);
    EXPECT_DOUBLE_EQ(crane_rate.cost_per_qty.value, 120.5);
    EXPECT_EQ(crane_rate.cost_per_qty.kind, s_unit::kPricePerUnit) << "a material resource is priced per unit";
    EXPECT_EQ(crane_rate.cost_per_qty3.blank, 1);
    EXPECT_DOUBLE_EQ(engineer.rates[0]->max_qty_per_hr.value, 2.0);
    EXPECT_EQ(engineer.rates[0]->cost_per_qty.kind, s_unit::kPricePerHour);
    EXPECT_EQ(crane.user_id_text.text, L"jdoe");
    EXPECT_TRUE(crane.employee_code.text.empty()) << "the employee code is not read";
    const ColumnCatalog& catalog = ColumnCatalog::Instance();
    EXPECT_TRUE(catalog.FindResourceByColumnId(527)->present);
    EXPECT_FALSE(catalog.FindResourceByColumnId(521)->present) << "employee code";
}

// The currency sign of the cost captions reaches prices as it reaches costs.
TEST_F(ResourceSheetTest, PricesShowTheCurrencyOfTheCosts) {
    struct Case { const char* why; const char* caption; std::wstring sign; } const cases[] = {
        {"pounds", "Actual Labor Cost(\xC2\xA3)", L"\u00A3"},
        {"euros", "Actual Labor Cost (\xE2\x82\xAC)", L"\u20AC"},
        {"no currency named: the start-up dollars", "Actual Labor Cost", L"$"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        ColumnCatalog::Instance().BuildAllColumns();
        ResetValueFormats();
        const auto doc = LoadSheets({UserDataSheet(),
                                     ScheduleSheet("TASK", {"task_code", "act_work_cost"}, {{"A1", "1200"}},
                                                   {"Activity ID", c.caption}),
                                     ScheduleSheet("RSRC", {"rsrc_short_name", "cost_per_qty"}, {{"WELDER", "30.5"}})});
        ASSERT_EQ(doc->Rsrcs().size(), 1u);
        EXPECT_EQ(doc->Tasks()[0]->GetFieldValue(11)->to_string(), c.sign + L"1,200.00");
        EXPECT_EQ(doc->Rsrcs()[0]->rates[0]->cost_per_qty.to_string(), c.sign + L"30.5/h");
    }
}

TEST_F(ResourceSheetTest, ResourcePathsBuildTheTree) {
    struct Case { const char* why; std::vector<std::string> paths; std::wstring tree; };
    const std::vector<std::string> names = {"R", "S", "T", "U", "ST"};
    const Case cases[] = {
        {"each step below the one before", {"R.S", "R.S.T", "R.U"}, L"R\n  S\n    T\n  U\nST\n"},
        {"a resource keeps its first parent", {"R.S", "U.S"}, L"R\n  S\nT\nU\nST\n"},
        {"a path that begins another by text is not walked", {"R.S", "R.ST"}, L"R\n  ST\nS\nT\nU\n"},
        {"steps naming no resource link nothing", {"R.X.T", "X.U"}, L"R\nS\nT\nU\nST\n"},
        {"a resource is never its own parent", {"R.R", "S.S.T"}, L"R\nS\n  T\nU\nST\n"},
        {"a path back up is refused", {"R.S", "S.R"}, L"R\n  S\nT\nU\nST\n"},
        {"a longer loop is refused", {"R.S.T", "T.R"}, L"R\n  S\n    T\nU\nST\n"},
        {"empty and blank steps are no steps", {"R..S", " T . U "}, L"R\n  S\nT\n  U\nST\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const auto doc = LoadTree(names, c.paths);
        EXPECT_EQ(ResourceTree(*doc), c.tree);
    }
}

TEST(ResourceNotes, CutsATrailingUnfinishedTag) {
    struct Case { const char* why; std::wstring notes; std::wstring kept; } const cases[] = {
        {"cut inside a tag", L"<p>text</p><di", L"<p>text</p>"}, {"whole", L"<p>text</p>", L"<p>text</p>"},
        {"no tags", L"plain", L"plain"}, {"an opening bracket only", L"a < b", L"a < b"},
        {"empty", L"", L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(CutUnfinishedTag(c.notes), c.kept);
    }
}

}  // namespace
}  // namespace varnholt::document
