// xls_wbs_paths_test.cpp - the WBS tree that a workbook's dotted activity paths build, shown
// as indented text: one line per element with its node kind and name, its activities below.

#include "columns/ColumnCatalog.h"
#include "model/records/ProjWbsRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/records/TaskRecord.h"
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

// "P (project) Root name" per element, indented by depth, then "- A1" per activity.
void PrintElement(const ProjWbsRecord& element, int depth, std::wstring& out) {
    const std::wstring indent(static_cast<std::size_t>(depth) * 2, L' ');
    out += indent + element.wbs_short_name.text + (element.node_type.value == 1 ? L" (project)" : L"");
    if (!element.wbs_name.text.empty()) out += L" " + element.wbs_name.text;
    out += L"\n";
    for (const TaskRecord* task : element.activities) out += indent + L"- " + task->task_code.text + L"\n";
    for (const ProjWbsRecord* child : element.children) PrintElement(*child, depth + 1, out);
}

std::wstring PrintTree(const Document& doc) {
    std::wstring out;
    for (const auto& element : doc.ProjWbs()) {
        if (element->parent == nullptr) PrintElement(*element, 0, out);
    }
    return out;
}

class WbsPathsTest : public XlsImportTest {
protected:
    static std::unique_ptr<Document_xls> LoadPaths(Rows rows) {
        return LoadSheets({UserDataSheet(), ScheduleSheet("TASK", {"task_code", "wbs_id", "wbs_name"}, std::move(rows))});
    }
};

TEST_F(WbsPathsTest, BuildsTheTreeFromDottedPaths) {
    struct Case { const char* why; Rows rows; std::wstring tree; } const cases[] = {
        {"paths share their steps",
         {{"A1", "P.A", "Design"}, {"A2", "P.A.B", "Build"}, {"A3", "P.D", "Deliver"}},
         L"P (project) Design\n  A Design\n  - A1\n    B Build\n    - A2\n  D Deliver\n  - A3\n"},
        {"a path of the root alone renames it",
         {{"A1", "P.A", "First"}, {"A2", "P", "Whole project"}},
         L"P (project) Whole project\n- A2\n  A First\n  - A1\n"},
        {"an empty path hangs the activity nowhere",
         {{"A1", "", "Nothing"}, {"A2", "P.A", "Design"}},
         L"P (project) Design\n  A Design\n  - A2\n"},
        {"empty steps and blanks are no steps",
         {{"A1", "P.A", "Design"}, {"A2", "P..A", "Design"}, {"A3", "P. A .", "Design"}},
         L"P (project) Design\n  A Design\n  - A1\n  - A2\n  - A3\n"},
        {"a later row renames the element it ends at",
         {{"A1", "P.A", "Old"}, {"A2", "P.A", "New"}},
         L"P (project) Old\n  A New\n  - A1\n  - A2\n"},
        {"another first step is another top element",
         {{"A1", "P.A", "Design"}, {"A2", "Q.B", "Other"}},
         L"P (project) Design\n  A Design\n  - A1\nQ Other\n  B Other\n  - A2\n"},
        {"non-ASCII steps and names",
         {{"A1", "P.\xC3\x9C" "bergabe", "\xC3\x9C" "bergabe \xE2\x80\x94 Phase 2"}},
         L"P (project) \u00DCbergabe \u2014 Phase 2\n  \u00DCbergabe \u00DCbergabe \u2014 Phase 2\n  - A1\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const auto doc = LoadPaths(c.rows);
        EXPECT_EQ(PrintTree(*doc), c.tree);
    }
}

TEST_F(WbsPathsTest, PathsDeeperThanAWbsMayBeAreCut) {
    std::string deep = "P";
    for (int i = 0; i < 500; ++i) deep += ".L" + std::to_string(i);
    const auto doc = LoadPaths({{"A1", deep, "Deep"}, {"A2", deep, "Deep"}});
    EXPECT_EQ(doc->ProjWbs().size(), 100u) << "the root and 99 levels below it";
    const TaskRecord& task = *doc->Tasks()[1];
    ASSERT_NE(task.wbs, nullptr);
    EXPECT_EQ(task.wbs->wbs_short_name.text, L"L98");
    EXPECT_EQ(task.wbs, doc->Tasks()[0]->wbs) << "the same path finds the same element";
}

TEST_F(WbsPathsTest, StatusColumnsOfTheElements) {
    const auto doc = LoadSheets({UserDataSheet(), ScheduleSheet("TASK", {"task_code", "wbs_id", "projwbs__status_code"},
                                                                {{"A1", "P.A", "Active"}, {"A2", "P.B", "WS_Planned"}})});
    ASSERT_EQ(doc->ProjWbs().size(), 3u);
    EXPECT_EQ(doc->ProjWbs()[1]->status_code.value, 0);
    EXPECT_EQ(doc->ProjWbs()[2]->status_code.value, 2);
    EXPECT_TRUE(ColumnCatalog::Instance().FindWbsByColumnId(472)->present);
}

}  // namespace
}  // namespace varnholt::document
