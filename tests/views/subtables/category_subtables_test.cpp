// category_subtables_test.cpp - the sub-tables of the Projects, Resources, OBS and Roles detail
// panes over a small schedule read by the XER reader, with stand-in masters: their rows in file
// order, their cells and the rows listed but not painted.
//
// Projects: ALPHA has codes of three types (Sector, Region, Size); BETA two of one type; GAMMA
// a code, a second code of that type whose value the file lacks, and a code whose type the file
// lacks. OBS node ENG is responsible for WBS elements of ALPHA and BETA. CREW's main role is
// LEAD and it can also fill DEV; WELDER's is DEV; a resource-role line names a missing resource.
// LEAD has one rate line and two limits; DEV two rate lines; NONE neither.

#include "tests/views/subtables/subtable_fixture.h"

#include "model/records/ObsRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/records/RoleRecord.h"
#include "model/records/RsrcRecord.h"
#include "views/core/RowList.h"
#include "views/subtables/CategorySubTableViews.h"

namespace varnholt::view::test_support {
namespace {

using Texts = std::vector<std::string>;

const std::string& CategorySchedule() {
    static const std::string text = ScheduleText({
                 "%T\tOBS", "%F\tobs_id\tparent_obs_id\tseq_num\tobs_name", "%R\t1\t\t1\tROOT", "%R\t2\t1\t1\tENG",
                 "%T\tPROJECT", "%F\tproj_id\tproj_short_name", "%R\t10\tALPHA", "%R\t20\tBETA", "%R\t30\tGAMMA",
                 "%T\tPROJWBS", "%F\twbs_id\tproj_id\tseq_num\twbs_short_name\twbs_name\tparent_wbs_id\tobs_id",
                 "%R\t100\t10\t1\tA\tAlpha\t\t", "%R\t110\t10\t1\tA1\tDesign\t100\t2", "%R\t200\t20\t1\tB\tBeta\t\t",
                 "%R\t210\t20\t1\tB1\tSurvey\t200\t2", "%R\t120\t10\t2\tA2\tBuild\t100\t2",
                 "%R\t300\t30\t1\tC\tGamma\t\t",
                 "%T\tPCATTYPE", "%F\tproj_catg_type_id\tproj_catg_type", "%R\t1\tRegion", "%R\t2\tSector",
                 "%R\t3\tSize",
                 "%T\tPCATVAL", "%F\tproj_catg_id\tproj_catg_type_id\tproj_catg_short_name\tproj_catg_name",
                 "%R\t11\t1\tNORTH\tNorth", "%R\t12\t1\tSOUTH\tSouth", "%R\t21\t2\tOIL\tOil", "%R\t31\t3\tBIG\tBig",
                 "%R\t41\t9\tODD\tOdd",
                 "%T\tPROJPCAT", "%F\tproj_id\tproj_catg_type_id\tproj_catg_id", "%R\t10\t2\t21", "%R\t10\t1\t11",
                 "%R\t10\t3\t31", "%R\t20\t1\t11", "%R\t20\t1\t12", "%R\t30\t1\t11", "%R\t30\t1\t99",
                 "%R\t30\t9\t41",
                 "%T\tROLES", "%F\trole_id\tparent_role_id\tseq_num\trole_short_name\trole_name", "%R\t1\t\t1\tLEAD\tLead",
                 "%R\t2\t\t2\tDEV\tDeveloper", "%R\t3\t\t3\tNONE\tNothing",
                 "%T\tRSRC", "%F\trsrc_id\trsrc_short_name\trsrc_name\trole_id", "%R\t1\tCREW\tCrew\t1",
                 "%R\t2\tWELDER\tWelder\t2",
                 "%T\tRCATTYPE", "%F\trsrc_catg_type_id\trsrc_catg_type", "%R\t1\tSkill",
                 "%T\tRCATVAL", "%F\trsrc_catg_id\trsrc_catg_type_id\trsrc_catg_short_name\trsrc_catg_name",
                 "%R\t11\t1\tWLD\tWelding",
                 "%T\tRSRCRCAT", "%F\trsrc_id\trsrc_catg_type_id\trsrc_catg_id", "%R\t1\t1\t11",
                 "%T\tRSRCROLE", "%F\trsrc_role_id\trsrc_id\trole_id", "%R\t1\t1\t1", "%R\t2\t99\t1", "%R\t3\t1\t2",
                 "%R\t4\t2\t2",
                 "%T\tROLERATE", "%F\trole_rate_id\trole_id\tcost_per_qty\tcost_per_qty2\tcost_per_qty3\tcost_per_qty4\tcost_per_qty5",
                 "%R\t1\t1\t10\t20\t\t40\t50", "%R\t2\t2\t5\t5\t5\t5\t5", "%R\t3\t2\t7\t\t\t\t",
                 "%T\tROLELIMIT", "%F\trolelimit_id\trole_id\tstart_date\tmax_qty_per_hr",
                 "%R\t1\t1\t2024-01-15 00:00\t8", "%R\t2\t1\t2024-02-01 00:00\t4",
                 "%E"});
    return text;
}

class CategorySubTablesTest : public testing::Test {
protected:
    void SetUp() override {
        EnterViewTest();
        ASSERT_TRUE(doc.LoadBytes(CategorySchedule()));
    }
    void TearDown() override { LeaveViewTest(); }

    template <class RowClass, class Record>
    void Select(StandInMaster& master, const std::vector<std::unique_ptr<Record>>& records, std::size_t index) {
        master.selected = m_rows.emplace_back(std::make_unique<RowClass>(records.at(index).get())).get();
    }
    Texts Show(View& view) {
        view.Update();
        if (m_attached.insert(&view).second) host.Attach(view, 1300, 400);
        host.Paint(view);
        return TextsByTop(host.Backend(view).Lines());
    }

    document::Document_xer doc;
    StandInMaster projects, resources, obs, roles;
    FakeHost host;

private:
    std::vector<std::unique_ptr<Row>> m_rows;
    std::set<const View*> m_attached;
};

TEST_F(CategorySubTablesTest, RoleRatesListFivePricesOfTheLastRateLine) {
    RoleRateTableView rates(&roles);
    Select<RoleRow>(roles, doc.Roles(), 0);
    const Texts lead = Show(rates);
    ASSERT_EQ(lead.size(), 6u);
    EXPECT_EQ(lead[0], "5 Rate Type | 205 Price / Unit");
    const char* const labels[] = {"Price / Unit", "Price / Unit2", "Price / Unit3", "Price / Unit4", "Price / Unit5"};
    for (std::size_t k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(lead[k + 1].starts_with(std::string("5 ") + labels[k]));
        EXPECT_EQ(lead[k + 1].ends_with("/h"), k != 2) << lead[k + 1];
    }
    Select<RoleRow>(roles, doc.Roles(), 1);
    const Texts dev = Show(rates);
    ASSERT_EQ(dev.size(), 6u);
    EXPECT_NE(dev[1].find("7"), std::string::npos);
    EXPECT_EQ(dev[2], "5 Price / Unit2");
    Select<RoleRow>(roles, doc.Roles(), 2);
    EXPECT_EQ(Show(rates).size(), 1u);
    EXPECT_FLOAT_EQ(rates.GetHeight(), rates.GetHeaderHeight());
}

TEST_F(CategorySubTablesTest, RoleRateLabelsFollowTheLanguage) {
    RoleRateTableView rates(&roles);
    Select<RoleRow>(roles, doc.Roles(), 0);
    EXPECT_TRUE(Show(rates).at(3).starts_with("5 Price / Unit3"));
    CaptionCatalog::Instance().ChooseLanguage(L"FRA");
    const Texts french = Show(rates);
    ASSERT_EQ(french.size(), 6u);
    EXPECT_EQ(french[0], "5 Type de taux | 205 Prix / unit\xC3\xA9");
    EXPECT_TRUE(french[1].starts_with("5 Prix / unit\xC3\xA9 | ")) << french[1];
    EXPECT_TRUE(french[5].starts_with("5 Prix / unit\xC3\xA9" "5 | ")) << french[5];
    CaptionCatalog::Instance().ChooseLanguage(L"ENU");
    EXPECT_TRUE(Show(rates).at(5).starts_with("5 Price / Unit5"));
}

TEST_F(CategorySubTablesTest, ProjectCodesFollowTheAssignmentsInFileOrder) {
    ProjectCodeTableView codes(&projects);
    Select<ProjectRow>(projects, doc.Projects(), 0);
    EXPECT_EQ(Show(codes), (Texts{"5 Project Code | 205 Code Value | 405 Description", "5 Sector | 205 OIL | 405 Oil",
                                  "5 Region | 205 NORTH | 405 North", "5 Size | 205 BIG | 405 Big"}));
    Select<ProjectRow>(projects, doc.Projects(), 1);
    EXPECT_EQ(Show(codes).size(), 3u);
    // GAMMA: the code without its value is listed and counted but not painted; the code
    // without its type shows an empty first cell.
    Select<ProjectRow>(projects, doc.Projects(), 2);
    const Texts gamma = Show(codes);
    EXPECT_EQ(codes.GetRowList().Size(), 3u);
    EXPECT_FLOAT_EQ(codes.GetHeight(), 18.0f + 3 * 18.0f);
    EXPECT_EQ(gamma, (Texts{"5 Project Code | 205 Code Value | 405 Description", "5 Region | 205 NORTH | 405 North",
                            "205 ODD | 405 Odd"}));
}

TEST_F(CategorySubTablesTest, ResourceCodesAndRoleResourcesAndLimits) {
    ResourceCodeTableView codes(&resources);
    Select<ResourceRow>(resources, doc.Rsrcs(), 0);
    EXPECT_EQ(Show(codes), (Texts{"5 Resource Code | 205 Code Value | 405 Description", "5 Skill | 205 WLD | 405 Welding"}));

    ResourceRoleTableView members(&roles);
    Select<RoleRow>(roles, doc.Roles(), 0);
    Texts lead = Show(members);
    ASSERT_EQ(lead.size(), 3u);
    EXPECT_TRUE(lead[1].starts_with("5 Crew | ") && lead[1].ends_with("605 Yes")) << lead[1];
    EXPECT_TRUE(lead[2].ends_with("605 No") && !lead[2].starts_with("5 ")) << lead[2];
    Select<RoleRow>(roles, doc.Roles(), 1);
    const Texts dev = Show(members);
    ASSERT_EQ(dev.size(), 3u);
    EXPECT_TRUE(dev[1].starts_with("5 Crew | ") && dev[1].ends_with("605 No")) << dev[1];
    EXPECT_TRUE(dev[2].starts_with("5 Welder | ") && dev[2].ends_with("605 Yes")) << dev[2];

    RoleLimitTableView limits(&roles);
    Select<RoleRow>(roles, doc.Roles(), 0);
    const Texts dated = Show(limits);
    ASSERT_EQ(dated.size(), 3u);
    EXPECT_TRUE(dated[1].starts_with("5 15-Jan-2024 | 205 ")) << dated[1];
    EXPECT_TRUE(dated[2].starts_with("5 1-Feb-2024 | 205 ")) << dated[2];
}

TEST_F(CategorySubTablesTest, ResponsibilityListsTheElementsOfEveryProjectInFileOrder) {
    OBSResponsibilityTableView responsible(&obs);
    Select<OBSRow>(obs, doc.Obs(), 1);
    const Texts rows = Show(responsible);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_TRUE(rows[1].ends_with("305 Design") && rows[2].ends_with("305 Survey") && rows[3].ends_with("305 Build"));
    Select<OBSRow>(obs, doc.Obs(), 0);  // ROOT is responsible for nothing
    EXPECT_EQ(Show(responsible).size(), 1u);
}

// Without a master every update leaves an empty table and nothing listed that was freed.
TEST_F(CategorySubTablesTest, WithoutAMasterUpdatesLeaveNoRows) {
    ProjectCodeTableView codes(nullptr);
    codes.Update();
    codes.Update();
    EXPECT_EQ(codes.GetRowList().Size(), 0u);
    EXPECT_EQ(codes.GetSelectedRow(), nullptr);
    EXPECT_EQ(Show(codes).size(), 1u);
}

}  // namespace
}  // namespace varnholt::view::test_support
