// The WBS table under the mouse: header clicks that sort only where the arrangement allows,
// expanders on WBS rows, what a release answers, column widths, and a table without a layout.

#include "record_tables_fixture.h"

namespace varnholt::testing_grid {
namespace {

using view::Row;

class WbsMouse : public WbsTableTest {
protected:
    void SetUp() override {
        WbsTableTest::SetUp();
        Columns({{kWbsName, 120.0f}, {kWbsCode, 100.0f}, {kWbsStatus, 100.0f}});
    }
    void BuildAndPaint() {
        Build();
        Paint();
    }
};

TEST_F(WbsMouse, HeaderClicksSortOnlyOutsideTheWbsPath) {
    struct Case { const char* name; std::int32_t group_by; bool sorts; };  // group_by 0: none
    const Case cases[] = {
        {"WBS path", kWbsCode, false},
        {"a group-by column the catalogue lacks", kUnknownColumn, false},
        {"value groups", kWbsStatus, true},
        {"flat", 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Order().group_bys.clear();
        Order().ClearSortBys();
        if (c.group_by != 0) GroupOn(c.group_by);
        SortBy(kWbsStatus);
        BuildAndPaint();
        EXPECT_EQ(HasPart(Paint(), "polygon"), c.sorts) << "the sort mark";
        const Keys unchanged{{kWbsStatus, 0}};
        ClickHeader(60.0f);
        EXPECT_EQ(SortKeys(), (c.sorts ? Keys{{kWbsName, 0}} : unchanged));
        EXPECT_EQ(m_table.GetMovedColumn(), 0) << "a click starts a drag all the same";
        ClickHeader(60.0f);
        EXPECT_EQ(SortKeys(), (c.sorts ? Keys{{kWbsName, 1}} : unchanged));
        ClickHeader(170.0f);
        EXPECT_EQ(SortKeys(), (c.sorts ? Keys{{kWbsCode, 0}} : unchanged));
        EXPECT_EQ(m_table.GetMovedColumn(), 1);
    }
}

TEST_F(WbsMouse, AHeaderClickInTheWbsPathSelectsButKeepsTheOrder) {
    GroupOn(kWbsCode);
    BuildAndPaint();
    const std::wstring before = RecordOutline(m_table);
    EXPECT_TRUE(m_table.OnLButtonDown(1, 60.0f, 10.0f));
    m_table.OnLButtonUp(0, 60.0f, 10.0f);
    EXPECT_TRUE(Order().sort_bys.empty());
    EXPECT_EQ(Relist(), before);
    Paint();
    m_host.LButtonDown(m_table, 60.0f, RowMiddle(1));
    EXPECT_EQ(m_table.GetSelectedRow(), &Listed(1));
}

TEST_F(WbsMouse, UnderManagersAClickSortsEachGroupAndARebuildRestoresTheNodeOrder) {
    GroupOn(kWbsManager);
    const std::wstring built = Build();
    Paint();
    ClickHeader(60.0f);
    ClickHeader(60.0f);  // names descending
    EXPECT_EQ(RecordOutline(m_table),
              L"G alpha\n  G Design\n    W DES\n  G Civil\n    W FND\n    W E\n    W BLD\n  W A\n"
              L"G Zeta\n  G Civil\n    W D\n  W B\n");
    m_table.ExpandAll();
    EXPECT_EQ(RecordOutline(m_table), built);
}

TEST_F(WbsMouse, ColumnZeroMakesRoomForTheDeepestLevel) {
    GroupOn(kWbsCode);
    BuildAndPaint();
    ASSERT_EQ(m_table.GetRowList().GetDeepestLevel(), 3);
    struct Drag { float border_x, to_x; std::size_t column; float width; };
    const Drag drags[] = {
        {120.0f, 10.0f, 0, 30.0f + 20.0f * 3}, {90.0f, 150.0f, 0, 150.0f}, {250.0f, 170.0f, 1, 30.0f},
    };
    for (const Drag& d : drags) {
        SCOPED_TRACE(d.to_x);
        Paint();
        m_table.OnLButtonDown(1, d.border_x, 10.0f);
        EXPECT_TRUE(m_table.OnMouseMove(1, d.to_x, 10.0f));
        m_table.OnLButtonUp(0, d.to_x, 10.0f);
        EXPECT_FLOAT_EQ(m_table_layout.GetColumn(d.column)->width, d.width);
    }
}

// Column 0, 40 in the layout, is drawn for the deepest row of the tree, listed or not.
TEST_F(WbsMouse, ColumnZeroIsDrawnForTheDeepestRowOfEachArrangement) {
    Columns({{kWbsName, 40.0f}});
    struct Case { std::int32_t group_by; float drawn; };  // group_by 0: flat
    for (const Case c : {Case{0, 50.0f}, {kWbsCode, 90.0f}, {kWbsManager, 90.0f}, {kWbsStatus, 70.0f}}) {
        SCOPED_TRACE(c.group_by);
        Order().group_bys.clear();
        if (c.group_by != 0) GroupOn(c.group_by);
        Build();
        m_table.CollapseAll();
        EXPECT_FLOAT_EQ(m_table.GetWidth(), c.drawn);
    }
}

TEST_F(WbsMouse, WithoutALayoutNothingChanges) {
    GroupOn(kWbsStatus);
    SortBy(kWbsName);
    BuildAndPaint();
    m_table.SetLayout(nullptr);  // the frame's reset keeps the last paint's rectangles
    EXPECT_FALSE(m_table.OnLButtonDown(1, 120.0f, 10.0f)) << "on a border";
    EXPECT_FALSE(m_table.OnLButtonDown(1, 60.0f, 10.0f)) << "on a title";
    EXPECT_FALSE(m_table.OnMouseMove(1, 500.0f, 10.0f));
    EXPECT_FALSE(m_table.OnLButtonUp(0, 10.0f, RowMiddle(0))) << "over an expander";
    EXPECT_FALSE(m_table.OnLButtonDown(1, 60.0f, RowMiddle(1)));
    m_table.SetLayout(&m_table_layout);
    EXPECT_EQ(SortKeys(), (Keys{{kWbsName, 0}}));
    EXPECT_TRUE(Listed(0).expanded);
    EXPECT_EQ(m_table.GetSelectedRow(), nullptr);
    EXPECT_EQ(m_table.GetMovedColumn(), -1);
}

}  // namespace
}  // namespace varnholt::testing_grid
