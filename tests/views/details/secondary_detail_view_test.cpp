// The project, resource, OBS and role detail panes with a stand-in master: what each draws
// without a master and without a selection, presence tests, the General row, the OBS
// description on one line, and the separator's reach.

#include "tests/views/details/detail_test_support.h"

#include "columns/ColumnCatalog.h"
#include "memo_text/HtmlToText.h"
#include "model/CaptionCatalog.h"
#include "model/records/ObsRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/text_utils.h"
#include "rows/RecordRows.h"
#include "views/details/OBSDetailView.h"
#include "views/details/ProjectDetailView.h"
#include "views/details/ResourceDetailView.h"
#include "views/details/RoleDetailView.h"

namespace varnholt::view::test_support {
namespace {

// Cells of the header row (label, value, label, value) and of the project's General row.
const char* const kHeaderCells[] = {"280,24 400,44", "410,24 610,44", "630,24 750,44", "760,24 960,44"};
const char* const kGeneralCells[] = {"280,72 400,92", "410,72 610,92", "630,72 750,92", "760,72 960,92"};

class SecondaryDetailTest : public DetailViewTest {
protected:
    void SetUp() override {
        DetailViewTest::SetUp();
        project = wbs->project;
        project_row = std::make_unique<ProjectRow>(project);
        resource_row = std::make_unique<ResourceRow>(testing_support::AddResource(doc, 7, L"CREW", L"Crew"));
        node = doc.NewObs();
        node->obs_name = s_string(L"Engineering");
        obs_row = std::make_unique<OBSRow>(node);
        role_row = std::make_unique<RoleRow>(testing_support::AddRole(doc, L"LEAD", L"Lead"));
        projects = MakeView<ProjectDetailView>({51632, 51634});
        resources = MakeView<ResourceDetailView>({51632, 51634, 40117});
        obs = MakeView<OBSDetailView>({51632, 30572});
        roles = MakeView<RoleDetailView>({51632, 50745, 57455, 57537});
    }
    std::vector<std::string> Header(View& view) {
        const auto texts = DrawnTexts(Paint(view));
        std::vector<std::string> cells;
        for (std::size_t i = 0; i < std::size(kHeaderCells); ++i)
            cells.push_back(i % 2 == 0 ? LabelAt(texts, kHeaderCells[i]) : TextAt(texts, kHeaderCells[i]));
        return cells;
    }

    ProjectRecord* project = nullptr;
    ObsRecord* node = nullptr;
    std::unique_ptr<ProjectRow> project_row;
    std::unique_ptr<ResourceRow> resource_row;
    std::unique_ptr<OBSRow> obs_row;
    std::unique_ptr<RoleRow> role_row;
    std::unique_ptr<ProjectDetailView> projects;
    std::unique_ptr<ResourceDetailView> resources;
    std::unique_ptr<OBSDetailView> obs;
    std::unique_ptr<RoleDetailView> roles;
};

TEST_F(SecondaryDetailTest, EachViewShowsItsRecordAndOnlyLabelsWithoutOne) {
    struct Case { const char* why; DetailView* view; Row* row; std::vector<std::string> cells; };
    const Case cases[] = {
        {"project", projects.get(), project_row.get(), {"Project ID:", "P1", "Project Name:", "Foundations"}},
        {"resource", resources.get(), resource_row.get(), {"Resource ID:", "CREW", "Resource Name:", "Crew"}},
        {"OBS", obs.get(), obs_row.get(), {"OBS Name:", "Engineering", "OBS Description:", "<none>"}},
        {"role", roles.get(), role_row.get(), {"Role ID:", "LEAD", "Role Name:", "Lead"}},
        {"nothing selected", roles.get(), nullptr, {"Role ID:", "<none>", "Role Name:", "<none>"}},
        {"a row of another kind", resources.get(), role_row.get(), {"Resource ID:", "<none>", "Resource Name:", "<none>"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        master.selected = c.row;
        EXPECT_EQ(Header(*c.view), c.cells);
    }
}

TEST_F(SecondaryDetailTest, WithoutAMasterNothingIsDrawn) {
    for (DetailView* view : std::initializer_list<DetailView*>{projects.get(), resources.get(), obs.get(), roles.get()}) {
        view->SetMaster(nullptr);
        EXPECT_TRUE(Paint(*view).empty());
    }
}

TEST_F(SecondaryDetailTest, ProjectValuesNeedTheirColumnsAndResourceValuesDoNot) {
    const ColumnDef* name_column = ColumnCatalog::Instance().FindProjectByFieldId(330);
    ASSERT_NE(name_column, nullptr);
    TakeAwayColumn(ColumnTable::project, name_column->column_id);
    master.selected = project_row.get();
    EXPECT_EQ(Header(*projects), (std::vector<std::string>{"Project ID:", "P1", "Project Name:", "<none>"}));
    TakeAwayColumn(ColumnTable::resource, 535);
    master.selected = resource_row.get();
    EXPECT_EQ(Header(*resources)[3], "Crew");
}

TEST_F(SecondaryDetailTest, TheProjectsGeneralRowShowsOnlyUnderGeneral) {
    master.selected = project_row.get();
    auto texts = DrawnTexts(Paint(*projects));
    EXPECT_EQ(LabelAt(texts, kGeneralCells[0]), "Status:");
    EXPECT_EQ(LabelAt(texts, kGeneralCells[2]), "Responsible Manager:");
    EXPECT_EQ(TextAt(texts, kGeneralCells[3]), "Site Manager");
    projects->SetCurrentTab(CaptionCatalog::Instance().Lookup(51634));
    texts = DrawnTexts(Paint(*projects));
    EXPECT_EQ(LabelAt(texts, kGeneralCells[0]), "<none>");
    EXPECT_EQ(TextAt(texts, kHeaderCells[1]), "P1");
    // The other views never draw that row, under "General" either.
    master.selected = resource_row.get();
    EXPECT_EQ(LabelAt(DrawnTexts(Paint(*resources)), kGeneralCells[0]), "<none>");
}

TEST_F(SecondaryDetailTest, ObsDescriptionsShowOnOneLine) {
    struct Case { const char* why; std::wstring description; std::string shown; };
    const Case cases[] = {
        {"a memo of two paragraphs", L"<HTML><p>Plans</p><p>Builds</p></HTML>",
         narrow_string(HtmlToText::Convert(L"<HTML><p>Plans</p><p>Builds</p></HTML>", false))},
        {"plain text, line breaks as blanks", L"Plans\r\nBuilds", "Plans  Builds"},
        {"a lower-case marker is not a memo", L"<html><p>x</p></html>", "<html><p>x</p></html>"},
    };
    master.selected = obs_row.get();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        node->obs_descr = s_string(c.description);
        const std::string shown = Header(*obs)[3];
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(shown.find('\n'), std::string::npos);
    }
}

TEST_F(SecondaryDetailTest, TheSeparatorEndsShortOfThePanesRightEdge) {
    master.selected = role_row.get();
    const auto& lines = Paint(*roles);
    EXPECT_EQ(CountStarting(lines, "line 1 solid ffc8c8c8 280,48 1170,48"), 1U);
    host.SetClientSize(*roles, 800, 300);
    EXPECT_EQ(CountStarting(Paint(*roles), "line 1 solid ffc8c8c8 280,48 770,48"), 1U);
    // Without a device (the host attaches one for a paint only) nothing is drawn.
    roles->Draw({0.0f, 0.0f, 800.0f, 300.0f});
}

}  // namespace
}  // namespace varnholt::view::test_support
