// Loading whole XER schedules: trees, links, user-defined fields, codes and the currency.

#include "import/Document_xer.h"
#include "model/CaptionCatalog.h"
#include "model/number_formats.h"
#include "model/records/ActvCodeRecord.h"
#include "model/records/ObsRecord.h"
#include "model/records/ProjWbsRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/records/RoleRecord.h"
#include "model/records/RsrcRecord.h"
#include "model/records/ShiftRecord.h"
#include "model/records/TaskPredRecord.h"
#include "model/records/TaskRecord.h"
#include "model/records/TaskRsrcRecord.h"
#include "columns/ColumnCatalog.h"
#include "xer_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace varnholt::document {
namespace {

using testing_support::WithHeader;
using testing_support::XerText;

// A two-project schedule whose keys miss on purpose: parents outside the file, an unknown WBS
// and project, an assignment of another project, a relationship to an absent activity, shift
// periods out of order, code values listed before their parents, and a loop in every tree.
const std::string kSchedule = WithHeader({
    "%T\tCURRTYPE", "%F\tcurr_id\tcurr_symbol\tdecimal_symbol\tdigit_group_symbol\tcurr_short_name",
    "%R\t1\t€\t,\t.\tEUR", "%R\t2\t$\t.\t,\tUSD",
    "%T\tOBS", "%F\tobs_id\tobs_name\tparent_obs_id",
    "%R\t1\tEnterprise\t", "%R\t2\tEngineering\t1", "%R\t3\tOrphan\t99", "%R\t4\tLoop A\t5", "%R\t5\tLoop B\t4",
    "%T\tPROJECT", "%F\tproj_id\tproj_short_name", "%R\t10\tALPHA", "%R\t20\tBETA",
    "%T\tPROJWBS", "%F\twbs_id\tproj_id\tobs_id\twbs_short_name\twbs_name\tparent_wbs_id",
    "%R\t100\t10\t1\tA\tAlpha\t", "%R\t101\t10\t2\tA1\tDesign\t100", "%R\t102\t10\t1\tX\tStray\t999",
    "%R\t200\t20\t1\tB\tBeta\t", "%R\t201\t20\t1\tL1\tLoop one\t202", "%R\t202\t20\t1\tL2\tLoop two\t201",
    "%T\tRSRC", "%F\trsrc_id\trsrc_short_name\tparent_rsrc_id\tshift_id",
    "%R\t1\tCREW\t\t1", "%R\t2\tWELDER\t1\t", "%R\t3\tLOOP3\t4\t", "%R\t4\tLOOP4\t3\t",
    "%T\tROLES", "%F\trole_id\trole_short_name\tparent_role_id", "%R\t1\tLEAD\t", "%R\t2\tSELF\t2",
    "%T\tSHIFT", "%F\tshift_id\tshift_name", "%R\t1\tDay and night",
    "%T\tSHIFTPER", "%F\tshift_period_id\tshift_id\tshift_start_hr_num", "%R\t1\t1\t20:00", "%R\t2\t1\t08:00",
    "%T\tTASK", "%F\ttask_id\tproj_id\twbs_id\ttask_code\ttask_name",
    "%R\t1000\t10\t101\tA1000\tDesign review", "%R\t1001\t10\t555\tA1001\tNo such WBS",
    "%R\t1002\t77\t101\tA1002\tNo such project",
    "%T\tTASKRSRC", "%F\ttaskrsrc_id\ttask_id\tproj_id\trsrc_id",
    "%R\t1\t1000\t10\t1", "%R\t2\t1000\t20\t1",
    "%T\tTASKPRED", "%F\ttask_pred_id\ttask_id\tpred_task_id\tproj_id\tpred_proj_id",
    "%R\t1\t1000\t1002\t10\t77", "%R\t2\t1001\t9999\t10\t10",
    "%T\tACTVTYPE", "%F\tactv_code_type_id\tactv_code_type\tactv_code_type_scope\tproj_id",
    "%R\t1\tPhase Name\tAS_Global\t0", "%R\t2\tPhase Name\tAS_Project\t12",
    "%T\tACTVCODE", "%F\tactv_code_id\tactv_code_type_id\tshort_name\tparent_actv_code_id",
    "%R\t2\t1\tB\t1", "%R\t1\t1\tA\t3", "%R\t3\t1\tR\t0",
    "%T\tTASKACTV", "%F\ttask_id\tactv_code_type_id\tactv_code_id\tproj_id", "%R\t1000\t1\t2\t10",
    "%T\tUDFTYPE", "%F\tudf_type_id\ttable_name\tudf_type_name\tudf_type_label\tlogical_data_type",
    "%R\t1\tTASK\tuser_field_1\tDiscipline\tFT_TEXT", "%R\t2\tTASK\tuser_field_2\tWeight\tFT_FLOAT_2_DECIMALS",
    "%R\t3\tTASK\tuser_field_3\tAllowance\tFT_MONEY", "%R\t4\tTASK\tuser_field_4\tCrew\tFT_INT",
    "%R\t5\tTASK\tuser_field_5\tReview\tFT_START_DATE", "%R\t6\tTASK\tuser_field_6\tFlag\tFT_STATICTYPE",
    "%R\t7\tPROJWBS\tuser_field_7\tOwner\tFT_TEXT", "%R\t8\tPROJECT\tuser_field_8\tClient\tFT_TEXT",
    "%R\t9\tRSRC\tuser_field_9\tSize\tFT_INT", "%R\t10\tTASKRSRC\tuser_field_10\tNone\tFT_TEXT",
    "%T\tUDFVALUE", "%F\tudf_type_id\tfk_id\tproj_id\tudf_date\tudf_text\tudf_number",
    "%R\t1\t1000\t10\t\tMechanical\t", "%R\t2\t1000\t10\t\t\t12.5", "%R\t3\t1000\t10\t\t\t12.5",
    "%R\t4\t1000\t10\t\t\t12.5", "%R\t5\t1000\t10\t2015-03-04 08:00\t\t", "%R\t6\t1000\t10\t\tRed\t",
    "%R\t7\t101\t10\t\tJane\t", "%R\t8\t10\t10\t\tHarbour Board\t", "%R\t9\t1\t\t\t\t7",
    "%E",
});

class DocumentXerTest : public testing::Test {
protected:
    void SetUp() override {
        CaptionCatalog::Instance().ChooseLanguage(L"ENU");
        ColumnCatalog::Instance().BuildAllColumns();
    }

    static std::wstring Text(const s_val* value) { return value->to_string(); }
    template <class Record>
    static Record* Row(const RecordTable<Record>& table, std::size_t index) { return table.at(index).get(); }
};

TEST_F(DocumentXerTest, LinksTreesAndKeepsTheFirstRecordOfAKey) {
    Document_xer doc;
    ASSERT_TRUE(doc.LoadBytes(kSchedule));
    ProjectRecord* alpha = Row(doc.Projects(), 0);
    ProjWbsRecord* top = Row(doc.ProjWbs(), 0);
    ProjWbsRecord* design = Row(doc.ProjWbs(), 1);
    ProjWbsRecord* stray = Row(doc.ProjWbs(), 2);

    // Two elements whose parents are outside the file: both listed, the later one the root.
    EXPECT_EQ(alpha->wbs_elements, (std::vector<ProjWbsRecord*>{top, design, stray}));
    EXPECT_EQ(alpha->root_wbs, stray);
    EXPECT_EQ(design->parent, top);
    EXPECT_EQ(top->children, std::vector<ProjWbsRecord*>{design});
    EXPECT_EQ(design->obs, Row(doc.Obs(), 1));

    TaskRecord* review = Row(doc.Tasks(), 0);
    TaskRecord* no_wbs = Row(doc.Tasks(), 1);
    TaskRecord* no_project = Row(doc.Tasks(), 2);
    EXPECT_EQ(review->wbs, design);
    EXPECT_EQ(review->project, alpha);
    EXPECT_EQ(no_wbs->wbs, nullptr);
    EXPECT_EQ(no_project->project, nullptr);
    EXPECT_EQ(alpha->activities, (std::vector<TaskRecord*>{review, no_wbs}));
    EXPECT_EQ(design->activities, (std::vector<TaskRecord*>{review, no_project}));

    // An assignment of another project joins its resource only.
    RsrcRecord* crew = Row(doc.Rsrcs(), 0);
    EXPECT_EQ(review->assignments, std::vector<TaskRsrcRecord*>{Row(doc.TaskRsrcs(), 0)});
    EXPECT_EQ(crew->assignments.size(), 2u);
    EXPECT_EQ(Row(doc.TaskRsrcs(), 1)->task, nullptr);

    // Relationships with one end outside the file stand on the side that exists.
    EXPECT_EQ(review->predecessors, std::vector<TaskPredRecord*>{Row(doc.TaskPreds(), 0)});
    EXPECT_EQ(no_project->successors, std::vector<TaskPredRecord*>{Row(doc.TaskPreds(), 0)});
    EXPECT_EQ(no_wbs->predecessors, std::vector<TaskPredRecord*>{Row(doc.TaskPreds(), 1)});

    // Shift periods given out of order are sorted and measured.
    ShiftRecord* shift = Row(doc.Shifts(), 0);
    ASSERT_EQ(shift->periods.size(), 2u);
    EXPECT_EQ(shift->periods[0]->shift_start_hr_num.minutes, 480u);
    EXPECT_EQ(shift->periods[0]->length_hr_cnt.value, 12);
    EXPECT_EQ(shift->periods[1]->length_hr_cnt.value, 12);
    EXPECT_EQ(crew->shift, shift);
}

TEST_F(DocumentXerTest, RefusesParentLinksThatWouldCloseALoop) {
    Document_xer doc;
    ASSERT_TRUE(doc.LoadBytes(kSchedule));
    // In each loop the first link in file order stands and the one closing the loop is refused.
    EXPECT_EQ(Row(doc.Obs(), 3)->parent, Row(doc.Obs(), 4));
    EXPECT_EQ(Row(doc.Obs(), 4)->parent, nullptr);
    EXPECT_EQ(Row(doc.Obs(), 2)->parent, nullptr) << "a parent outside the file";
    EXPECT_EQ(Row(doc.ProjWbs(), 4)->parent, Row(doc.ProjWbs(), 5));
    EXPECT_EQ(Row(doc.ProjWbs(), 5)->parent, nullptr);
    EXPECT_EQ(Row(doc.Rsrcs(), 2)->parent, Row(doc.Rsrcs(), 3));
    EXPECT_EQ(Row(doc.Rsrcs(), 3)->parent, nullptr);
    EXPECT_EQ(Row(doc.Rsrcs(), 1)->parent, Row(doc.Rsrcs(), 0));
    EXPECT_EQ(Row(doc.Roles(), 1)->parent, nullptr) << "a role naming itself";
    EXPECT_TRUE(Row(doc.Roles(), 1)->children.empty());
    // The refused links leave plain trees, whose paths end.
    EXPECT_EQ(Row(doc.ProjWbs(), 4)->wbs_path.text, L"L1");
}

TEST_F(DocumentXerTest, UserDefinedFieldsOfEachTypeReachTheirRecords) {
    Document_xer doc;
    ASSERT_TRUE(doc.LoadBytes(kSchedule));
    const TaskRecord* review = Row(doc.Tasks(), 0);
    struct Case { std::int32_t type; const wchar_t* shown; };
    const Case cases[] = {{1, L"Mechanical"}, {2, L"12.50"}, {3, L"$12.50"}, {4, L"12"},
                          {5, L"4-Mar-2015"}, {6, L"UDF_G1"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type);
        EXPECT_EQ(Text(review->GetColumnValue(100000 + c.type)), c.shown);
    }
    EXPECT_EQ(Text(Row(doc.ProjWbs(), 1)->GetColumnValue(100007)), L"Jane");
    EXPECT_EQ(Text(Row(doc.Projects(), 0)->GetColumnValue(100008)), L"Harbour Board");
    EXPECT_EQ(Text(Row(doc.Rsrcs(), 0)->GetColumnValue(100009)), L"7");

    const ColumnCatalog& catalog = ColumnCatalog::Instance();
    ASSERT_NE(catalog.FindActivityByColumnId(100002), nullptr);
    EXPECT_EQ(catalog.FindActivityByColumnId(100002)->caption, L"Weight");
    EXPECT_NE(catalog.FindWbsByColumnId(100007), nullptr);
    EXPECT_NE(catalog.FindProjectByColumnId(100008), nullptr);
    EXPECT_NE(catalog.FindResourceByColumnId(100009), nullptr);
    EXPECT_EQ(catalog.FindActivityByColumnId(100010), nullptr) << "assignment fields get no column";
}

TEST_F(DocumentXerTest, TheHeaderCurrencyChoosesTheNumberFormats) {
    struct Case { const char* why; const char* header_currency; const wchar_t* cost; } const cases[] = {
        {"a listed currency", "EUR", L"€1.234,50"}, {"the second row", "USD", L"$1,234.50"},
        {"an unknown currency keeps what was there", "GBP", L"$1,234.50"}, {"names match exactly", "eur", L"$1,234.50"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        ResetValueFormats();
        std::string text = "ERMHDR\t8.0\t2016-06-22 10:30\tProject\tadmin\tAdmin\tdb\tPM\t" + std::string(c.header_currency) + "\r\n";
        text += XerText({"%T\tCURRTYPE", "%F\tcurr_id\tcurr_symbol\tdecimal_symbol\tdigit_group_symbol\tcurr_short_name",
                         "%R\t1\t€\t,\t.\tEUR", "%R\t2\t$\t.\t,\tUSD", "%E"}, "\r\n");
        Document_xer doc;
        ASSERT_TRUE(doc.LoadBytes(text));
        EXPECT_EQ(s_cost(1234.5).to_string(), c.cost);
        EXPECT_EQ(value_formats().unit_number_format.currency_symbol, value_formats().cost_number_format.currency_symbol);
    }
}

TEST_F(DocumentXerTest, AHeaderOnlyFileLoadsEmptyAndOtherFilesAreRefused) {
    Document_xer empty;
    EXPECT_TRUE(empty.LoadBytes("ERMHDR\t8.0\t2016-06-22 10:30\n"));
    EXPECT_TRUE(empty.Tasks().empty());
    EXPECT_EQ(empty.GetXerVersion().text, L"8.0");
    EXPECT_TRUE(empty.IsXer());

    Document_xer not_xer;
    EXPECT_FALSE(not_xer.LoadBytes("%T\tTASK\n%F\ttask_id\n%R\t1\n"));
    EXPECT_TRUE(not_xer.Tasks().empty());
    Document_xer missing;
    EXPECT_FALSE(missing.Open(L"/nonexistent/folder/schedule.xer"));
}

}  // namespace
}  // namespace varnholt::document
