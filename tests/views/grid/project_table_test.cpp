// The project table: grouping by displayed text, group order by code units, header clicks,
// expanders of group rows, a table without a layout, and its painting.

#include "record_tables_fixture.h"

#include "model/records/ProjectRecord.h"

#include <functional>

namespace varnholt::testing_grid {
namespace {

using view::Row;

class ProjectTable : public ProjectTableTest {
protected:
    void SetUp() override {
        ProjectTableTest::SetUp();
        Columns({{kProjectId, 120.0f}, {kProjectStatus, 100.0f}, {kProjectManager, 100.0f}});
    }
};

TEST_F(ProjectTable, OutlinesFollowTheFirstGroupByEntry) {
    struct Case { const char* name; std::function<void(ProjectTable&)> shape; std::wstring_view outline; };
    const Case cases[] = {
        {"flat, in file order", [](ProjectTable&) {}, L"P ALPHA\nP BETA\nP GAMMA\nP DELTA\nP EPSILON\n"},
        {"flat, by the sort list", [](ProjectTable& t) { t.SortBy(kProjectId, kSortDescending); },
         L"P GAMMA\nP EPSILON\nP DELTA\nP BETA\nP ALPHA\n"},
        {"by manager: groups in code-unit order, alike texts shared, projects in file order",
         [](ProjectTable& t) { t.GroupOn(kProjectManager); t.SortBy(kProjectId, kSortDescending); },
         L"G Civil\n  P DELTA\n  P EPSILON\nG No Responsible Manager\n  P GAMMA\nG Zeta\n  P BETA\n"
         L"G alpha\n  P ALPHA\n"},
        {"by status: groups in creation order, projects by the sort list",
         [](ProjectTable& t) { t.GroupOn(kProjectStatus); t.SortBy(kProjectId, kSortDescending); },
         L"G Active\n  P BETA\n  P ALPHA\nG No Project Status\n  P GAMMA\n  P EPSILON\nG Planned\n  P DELTA\n"},
        {"by a user field, read by its column id", [](ProjectTable& t) { t.GroupOn(kProjectClient); },
         L"G Acme\n  P ALPHA\n  P DELTA\nG No Client\n  P BETA\n  P GAMMA\n  P EPSILON\n"},
        {"a group-by column the catalogue lacks lists every project, sorted",
         [](ProjectTable& t) { t.GroupOn(kUnknownColumn); t.SortBy(kProjectId, kSortDescending); },
         L"P GAMMA\nP EPSILON\nP DELTA\nP BETA\nP ALPHA\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Order().group_bys.clear();
        Order().ClearSortBys();
        c.shape(*this);
        EXPECT_EQ(Build(), c.outline);
    }
}

TEST_F(ProjectTable, GroupTitlesCompareAsUtf16CodeUnits) {
    struct Case { std::wstring_view a, b; bool less; };
    // Each pair the other way round is never less. A character above U+FFFF is a surrogate
    // pair, which comes before U+E000.
    const Case cases[] = {
        {L"Zeta", L"alpha", true}, {L"ab", L"abc", true}, {L"same", L"same", false},
        {L"\U0001F600", L"\uE000", true}, {L"\uD7FF", L"\U0001F600", true},
    };
    const GroupBy entry{.field = kProjectManager};
    const auto group = [&entry](std::wstring_view title) {
        return view::GroupRow(std::make_unique<view::ProjectGroupItem>(entry, nullptr, s_string(title)));
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.a) + L" < " + std::wstring(c.b)));
        EXPECT_EQ(view::ProjectTableView::LessByGroupTitle(group(c.a), group(c.b)), c.less);
        EXPECT_FALSE(view::ProjectTableView::LessByGroupTitle(group(c.b), group(c.a)));
    }
    const view::ProjectRow project(m_document.Projects().front().get());
    EXPECT_FALSE(view::ProjectTableView::LessByGroupTitle(project, group(L"Z")));
    EXPECT_FALSE(view::ProjectTableView::LessByGroupTitle(group(L"Z"), project));
}

TEST_F(ProjectTable, HeaderClicksSortInsideTheManagerGroupsOnly) {
    GroupOn(kProjectManager);
    const std::wstring built = Build();
    Paint();
    ClickHeader(60.0f);
    EXPECT_EQ(SortKeys(), (Keys{{kProjectId, 0}}));
    ClickHeader(60.0f);
    EXPECT_EQ(SortKeys(), (Keys{{kProjectId, 1}}));
    EXPECT_EQ(RecordOutline(m_table), L"G Civil\n  P EPSILON\n  P DELTA\nG No Responsible Manager\n  P GAMMA\n"
                                      L"G Zeta\n  P BETA\nG alpha\n  P ALPHA\n");
    ClickHeader(170.0f);
    EXPECT_EQ(SortKeys(), (Keys{{kProjectStatus, 0}}));
    m_table.ExpandAll();
    EXPECT_EQ(RecordOutline(m_table), built) << "a rebuild restores file order inside the groups";
}

TEST_F(ProjectTable, AReleaseTogglesGroupRowsOnlyAndAlwaysAnswersTrue) {
    GroupOn(kProjectManager);
    Build();
    Paint();
    // Civil (row 0, level 1) has its expander at (6, 35); DELTA (row 1) has none to test.
    Listed(1).expander_rect = {0.0f, 48.0f, 120.0f, 18.0f};
    EXPECT_TRUE(m_table.OnLButtonUp(0, 10.0f, RowMiddle(1)));
    EXPECT_TRUE(Listed(1).expanded);
    EXPECT_TRUE(m_table.OnLButtonUp(0, 10.0f, RowMiddle(0)));
    EXPECT_FALSE(Listed(0).expanded);
    EXPECT_EQ(Relist(), L"G Civil\nG No Responsible Manager\n  P GAMMA\nG Zeta\n  P BETA\nG alpha\n  P ALPHA\n");
    m_table.CollapseAll();
    EXPECT_EQ(RecordOutline(m_table), L"G Civil\nG No Responsible Manager\nG Zeta\nG alpha\n");
}

TEST_F(ProjectTable, WithoutALayoutNothingChanges) {
    SortBy(kProjectStatus);
    GroupOn(kProjectManager);
    Build();
    Paint();
    m_table.SetLayout(nullptr);  // the frame's reset keeps the last paint's rectangles
    EXPECT_FALSE(m_table.OnLButtonDown(1, 120.0f, 10.0f)) << "on a border";
    EXPECT_FALSE(m_table.OnMouseMove(1, 500.0f, 10.0f));
    EXPECT_TRUE(m_table.OnLButtonUp(0, 10.0f, RowMiddle(0))) << "over an expander";
    EXPECT_FALSE(m_table.OnLButtonDown(1, 60.0f, 10.0f)) << "on a title";
    EXPECT_FALSE(m_table.OnMouseMove(1, 170.0f, 10.0f));
    EXPECT_TRUE(m_table.OnLButtonUp(0, 170.0f, 10.0f));
    m_table.SetLayout(&m_table_layout);
    EXPECT_EQ(SortKeys(), (Keys{{kProjectStatus, 0}}));
    EXPECT_TRUE(Listed(0).expanded);
    EXPECT_EQ(m_table.GetMovedColumn(), -1);

    // With a layout but no tree, a header click changes the sort list and sorts nothing.
    m_table.DropTree();
    EXPECT_TRUE(m_table.OnLButtonDown(1, 60.0f, 10.0f));
    EXPECT_EQ(SortKeys(), (Keys{{kProjectId, 0}}));
    EXPECT_FALSE(m_table.HasTree());
}

class ProjectPaint : public ProjectTable {
protected:
    void SetUp() override {
        ProjectTable::SetUp();
        Order().AddLevel(0xFF0000AA);
        Order().AddLevel(0xFF0000BB);
    }
};

TEST_F(ProjectPaint, UngroupedRowsTakeTheFirstBandAndADropTargetLine) {
    Build();
    Paint();
    m_table.OnLButtonDown(1, 60.0f, 10.0f);
    m_table.OnMouseMove(1, 170.0f, 10.0f);  // column 0 over column 1
    const auto& lines = Paint();
    ExpectDrawn(lines, {
        {"band 0 of a level-1 project row", "fill ff0000aa 0,30 20,48", true},
        {"the cell text from the row's indentation", "clip 20,30 120,48 ff000000 Calibri/15/400 \"ALPHA\"", true},
        {"the drop target's left edge, two pixels", "line 2 solid fffa8000 120,30 120,48", true},
        {"no grey separator", "line 1 solid ff646464 120,30 120,48", false},
        {"a vertically centred title, short of the sort mark the press made",
         "text 5,12 clip 5,5 105,35 ff000000 Calibri/15/700 \"Project ID\"", true},
    });
}

TEST_F(ProjectPaint, GroupedRowsIndentOneStepMoreAndPrintWithoutSelection) {
    GroupOn(kProjectManager);
    Build();
    Listed(1).selected = true;  // DELTA, level 2, y 48
    for (const bool printing : {false, true}) {
        SCOPED_TRACE(printing ? "printing" : "screen");
        m_host.Backend(m_table).SetPrinting(printing);
        const auto& lines = Paint();
        EXPECT_TRUE(HasPart(lines, std::string("clip 60,48 120,66 ") + (printing ? "ff000000" : "ffffffff") +
                                       " Calibri/15/400 \"DELTA\""));
        EXPECT_EQ(Has(lines, "fill ffff9933 0,48 320,66"), !printing);
        EXPECT_EQ(Has(lines, "fill ff0000bb 20,48 40,66"), printing) << "a selected row keeps its blue";
    }
    Columns({{kProjectId, 40.0f}});
    EXPECT_TRUE(HasPart(Paint(), "clip 60,48 90,66 ")) << "column 0 keeps 30 pixels for the ID";
}

}  // namespace
}  // namespace varnholt::testing_grid
