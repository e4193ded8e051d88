// xls_relationships_test.cpp - the TASKPRED sheet: relationships between activities named by
// their activity IDs, their type and lag, and the rows that name an activity the workbook
// lacks.

#include "model/records/ProjectRecord.h"
#include "model/records/TaskPredRecord.h"
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

// "predecessor>successor" per relationship, in sheet order.
std::wstring Links(const Document& doc) {
    std::wstring out;
    for (const auto& link : doc.TaskPreds()) {
        out += link->predecessor->task_name.text + L">" + link->successor->task_name.text + L" ";
    }
    return out;
}

class RelationshipSheetTest : public XlsImportTest {
protected:
    static std::unique_ptr<Document_xls> LoadLinks(Rows links,
                                                  std::vector<std::string> fields = {"task_id", "pred_task_id",
                                                                                     "pred_type", "lag_hr_cnt"}) {
        return LoadSheets({UserDataSheet(),
                           ScheduleSheet("TASK", {"task_code", "task_name"},
                                         {{"A1", "first"}, {"A2", "second"}, {"A2", "twin"}, {"A3", "third"}}),
                           ScheduleSheet("TASKPRED", std::move(fields), std::move(links))});
    }
};

TEST_F(RelationshipSheetTest, LinksActivitiesByTheirActivityIds) {
    struct Case { const char* why; Rows links; std::wstring expected; } const cases[] = {
        {"successor first, then predecessor", {{"A3", "A1", "", ""}, {"A2", "A1", "", ""}},
         L"first>third first>second "},
        {"a shared activity ID finds the first activity", {{"A3", "A2", "", ""}}, L"second>third "},
        {"rows naming a missing activity are skipped, later rows still read",
         {{"A2", "ZZ", "", ""}, {"A3", "A1", "", ""}, {"", "A1", "", ""}, {"A3", "A2", "", ""}},
         L"first>third second>third "},
        {"activity IDs compare exactly", {{"a3", "A1", "", ""}, {"A3 ", "A1", "", ""}}, L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const auto doc = LoadLinks(c.links);
        EXPECT_EQ(Links(*doc), c.expected);
        std::uint32_t number = 0;
        for (const auto& link : doc->TaskPreds()) EXPECT_EQ(link->task_pred_id.value, ++number);
    }
}

TEST_F(RelationshipSheetTest, NeedsBothActivityColumns) {
    const auto doc = LoadLinks({{"A3", "A1"}}, {"task_id", "predecessor"});
    EXPECT_TRUE(doc->TaskPreds().empty());
}

}  // namespace
}  // namespace varnholt::document
