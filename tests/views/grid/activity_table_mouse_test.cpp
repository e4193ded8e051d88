// The activity table under the mouse, driven through the fake host: header clicks that sort,
// column resizing and moving, the first column's width under deep groups, row selection and
// expanders.

#include "activity_table_fixture.h"

#include "layouts/column_files.h"
#include "tests/views/support/FakeHost.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace varnholt::testing_grid {
namespace {

using view::Row;
using view::test_support::FakeHost;

class ActivityTableMouse : public ActivityTableTest {
protected:
    void SetUp() override {
        ActivityTableTest::SetUp();
        m_host.Attach(m_table, 600, 400);
    }
    void TearDown() override {
        view::DisplayScale() = 1.0f;
        ActivityTableTest::TearDown();
    }
    void BuildAndPaint() {
        Build();
        m_host.Paint(m_table);
    }
    std::vector<std::pair<std::int32_t, std::int32_t>> SortKeys() {
        std::vector<std::pair<std::int32_t, std::int32_t>> keys;
        for (const auto& sort : Grouping().sort_bys) keys.emplace_back(sort->field, sort->sort_type);
        return keys;
    }
    void Click(float x, float y) {
        m_host.LButtonDown(m_table, x, y);
        m_host.LButtonUp(m_table, x, y);
    }
    // Row i's middle, in client pixels at scroll position 0 and scale 1.
    static float RowMiddle(int i) { return 30.0f + 18.0f * static_cast<float>(i) + 9.0f; }
    int SelectedCount() {
        int count = 0;
        for (const Row* row : m_table.GetRowList().Rows()) count += row->selected ? 1 : 0;
        return count;
    }

    FakeHost m_host;
};

TEST_F(ActivityTableMouse, HeaderClicksSortAtOnce) {
    SetColumns({{kActivityId, 80.0f}, {kActivityName, 120.0f}, {kPrimaryResourceField, 100.0f}});
    Grouping().AddSortBy(kActivityId, kSortAscending);
    Grouping().AddSortBy(kPrimaryResourceField, kSortDescending);
    BuildAndPaint();
    struct Step { float x; std::vector<std::pair<std::int32_t, std::int32_t>> keys; std::wstring_view outline; };
    const Step steps[] = {
        {40.0f, {{kActivityId, 1}, {kPrimaryResourceField, 1}},
         L"1 A B2010\n1 A B2000\n1 A A1030\n1 A A1020\n1 A A1010\n1 A A1000\n"},
        {40.0f, {{kActivityId, 0}, {kPrimaryResourceField, 1}},
         L"1 A A1000\n1 A A1010\n1 A A1020\n1 A A1030\n1 A B2000\n1 A B2010\n"},
        {140.0f, {{kActivityName, 0}}, L"1 A A1010\n1 A A1000\n1 A A1030\n1 A A1020\n1 A B2010\n1 A B2000\n"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.x);
        EXPECT_TRUE(m_table.OnLButtonDown(1, step.x, 10.0f));
        EXPECT_EQ(SortKeys(), step.keys);
        m_table.OnLButtonUp(0, step.x, 10.0f);
        m_table.Update();
        EXPECT_EQ(Outline(m_table), step.outline);
        m_host.Paint(m_table);
    }
}

TEST_F(ActivityTableMouse, ResizingKeepsMinimumWidthsAndStoresUnscaledWidths) {
    GroupByColumn(kPrimaryResourceField);
    GroupByColumn(kPhaseCode);  // activities' IDs three steps in: column 0 is drawn 90 wide
    BuildAndPaint();
    struct Drag {
        const char* name; float scale; float border_x, to_x; std::size_t column; float stored;
        const char* written;  // the column's line in the columns file
        const char* font;     // the header's font
    };
    const Drag drags[] = {
        {"column 0 stops at 30 + 20 per step of the deepest ID", 1.0f, 90.0f, 20.0f, 0, 90.0f, "task_code:90",
         "Calibri/15/700"},
        {"other columns stop at 30", 1.0f, 170.0f, 75.0f, 1, 30.0f, "task_name:30", "Calibri/15/700"},
        {"a width at scale 1.5 is stored divided by 1.5", 1.5f, 135.0f, 180.0f, 0, 120.0f, "task_code:120",
         "Calibri/22/700"},
        {"at 1.1 the nearest whole pixel: 287 / 1.1 is 260.9", 1.1f, 99.0f, 287.0f, 0, 261.0f, "task_code:261",
         "Calibri/16/700"},
    };
    for (const Drag& drag : drags) {
        SCOPED_TRACE(drag.name);
        SetColumns({{kActivityId, drag.scale == 1.0f ? 80.0f : 70.0f}, {kActivityName, 80.0f}});
        m_host.ChangeDisplayScale(drag.scale);
        m_table.Update();
        m_host.Paint(m_table);
        EXPECT_TRUE(m_table.OnLButtonDown(1, drag.border_x, 10.0f));
        EXPECT_TRUE(m_table.OnMouseMove(1, drag.to_x, 10.0f));
        EXPECT_FLOAT_EQ(m_layout.GetColumn(drag.column)->width, drag.stored);
        EXPECT_NE(ColumnsFileText(m_layout).find(std::string(drag.written) + "\r\n"), std::string::npos);
        EXPECT_FLOAT_EQ(m_table.GetRowHeight(), 18.0f * drag.scale);
        EXPECT_NE(m_host.Backend(m_table).Joined().find(drag.font), std::string::npos) << "the fonts follow the scale";
        m_table.OnLButtonUp(0, drag.to_x, 10.0f);
        EXPECT_FALSE(m_table.OnMouseMove(1, drag.to_x - 5.0f, 300.0f)) << "the resize ended";
    }
}

// The window system merges the last moves of a quick drag into the release: the border goes
// where the pointer let go, in either direction, while a click on a border changes nothing.
TEST_F(ActivityTableMouse, TheReleaseLeavesTheBorderWhereThePointerLetGo) {
    BuildAndPaint();
    struct Drag { const char* why; float scale, border_x; std::optional<float> moved_x; float released_x, stored; };
    const Drag drags[] = {
        {"wider", 1.0f, 80.0f, 90.0f, 120.0f, 120.0f},
        {"narrower", 1.0f, 80.0f, 70.0f, 60.0f, 60.0f},
        {"a click a pixel right of the border", 1.0f, 81.0f, std::nullopt, 81.0f, 80.0f},
        {"at 1.1, 106 x 1.1 is 116.6: 107 reaches the pixel let go at", 1.1f, 88.0f, 90.0f, 117.0f, 107.0f},
    };
    for (const Drag& drag : drags) {
        SCOPED_TRACE(drag.why);
        SetColumns({{kActivityId, 80.0f}, {kActivityName, 80.0f}});
        m_host.ChangeDisplayScale(drag.scale);
        m_table.Update();
        m_host.Paint(m_table);
        m_host.LButtonDown(m_table, drag.border_x, 10.0f);
        if (drag.moved_x) m_host.MouseMove(m_table, *drag.moved_x, 10.0f, view::kLeftButtonDown);
        m_host.LButtonUp(m_table, drag.released_x, 10.0f);
        EXPECT_FLOAT_EQ(m_layout.GetColumn(0)->width, drag.stored);
    }
}

// Five grouping levels put the IDs six steps in: column 0, 88 in the layout, is drawn 150 wide
// with its groups open or shut, is grabbed there, and changes the layout only when dragged.
TEST_F(ActivityTableMouse, DeepGroupsDrawColumnZeroAtItsMinimumAndOnlyADragStoresAWidth) {
    SetColumns({{kActivityId, 88.0f}, {kActivityName, 120.0f}});
    for (const std::int32_t column : {kWbsColumn, kPrimaryResourceField, kPhaseCode, kRiskField, kActivityName})
        GroupByColumn(column);
    const std::string saved = ColumnsFileText(m_layout);
    BuildAndPaint();
    EXPECT_TRUE(HasPart(m_host.Backend(m_table).Lines(), "clip 120,120 150,138 ff000000 Calibri/15/400")) << "an ID";
    m_table.CollapseAll();
    m_host.Paint(m_table);
    EXPECT_TRUE(HasPart(m_host.Backend(m_table).Lines(), "line 1 solid ff646464 150,0 150,30")) << "the header";
    EXPECT_EQ(m_table.GetColumnWidths(), (std::vector<float>{150.0f, 120.0f})) << "for the keys and printing";
    m_host.LButtonDown(m_table, 150.0f, 10.0f);
    EXPECT_EQ(ColumnsFileText(m_layout), saved);
    m_host.MouseMove(m_table, 60.0f, 10.0f, view::kLeftButtonDown);
    EXPECT_FLOAT_EQ(m_layout.GetColumn(0)->width, 150.0f) << "dragged, no narrower than the minimum";
}

TEST_F(ActivityTableMouse, DraggedColumnsMove) {
    SetColumns({{kActivityId, 80.0f}, {kActivityName, 120.0f}, {kPrimaryResourceField, 100.0f}});
    BuildAndPaint();
    // Dropped right of the table: to the end, and the moved column is the last.
    m_host.LButtonDown(m_table, 40.0f, 10.0f);
    EXPECT_EQ(m_host.Cursor(m_table), view::CursorKind::size_all);
    EXPECT_TRUE(m_host.MouseMove(m_table, 450.0f, 10.0f, 1));
    m_host.LButtonUp(m_table, 450.0f, 10.0f);
    EXPECT_EQ(m_layout.GetColumn(2)->field, kActivityId);
    EXPECT_EQ(m_table.GetMovedColumn(), 2);
    // Dropped on a column to the left: before it.
    m_host.LButtonDown(m_table, 240.0f, 10.0f);
    m_host.MouseMove(m_table, 20.0f, 10.0f, 1);
    m_host.LButtonUp(m_table, 20.0f, 10.0f);
    EXPECT_EQ(m_layout.GetColumn(0)->field, kActivityId);
    EXPECT_EQ(m_table.GetMovedColumn(), 0);
    // A press on a border shows the resize cursor while the pointer is over it.
    m_host.MouseMove(m_table, 80.0f, 10.0f, 0);
    EXPECT_EQ(m_host.Cursor(m_table), view::CursorKind::size_we);
}

TEST_F(ActivityTableMouse, APressSelectsOneRow) {
    BuildAndPaint();
    struct Press {
        const char* name;
        float y;
        int selected;  // -1 none
    };
    const Press presses[] = {
        {"the row under the point", RowMiddle(2), 2},
        {"the boundary of rows 0 and 1 belongs to row 0", 48.0f, 0},
        {"below the rows nothing", RowMiddle(8), -1},
    };
    for (const Press& press : presses) {
        SCOPED_TRACE(press.name);
        m_host.LButtonDown(m_table, 100.0f, press.y);
        EXPECT_EQ(SelectedCount(), press.selected < 0 ? 0 : 1);
        EXPECT_EQ(m_table.GetSelectedRow(), press.selected < 0 ? nullptr : &Listed(press.selected));
    }
}

TEST_F(ActivityTableMouse, AfterAnExpandOnlyPaintedRowsAreHit) {
    GroupByColumn(kPrimaryResourceField);
    Build();
    m_host.SetClientSize(m_table, 600, 4 * 18);  // four rows painted
    m_table.CollapseAll();
    m_host.Paint(m_table);
    ASSERT_EQ(Outline(m_table), L"1 G WELDER.Welder\n1 G CREW.Crew\n1 G SURVEYOR.Surveyor\n1 G No primary Resource\n");
    // WELDER's expander; the rows below move down, out of view.
    Click(10.0f, 40.0f);
    ASSERT_EQ(m_table.GetRowList().Size(), 5u);
    m_host.LButtonDown(m_table, 100.0f, RowMiddle(3));
    EXPECT_EQ(SelectedCount(), 1);
    EXPECT_EQ(m_table.GetSelectedRow(), &Listed(3));
}

TEST_F(ActivityTableMouse, WithoutALayoutNothingChanges) {
    BuildAndPaint();
    m_table.SetLayout(nullptr);
    EXPECT_FALSE(m_table.OnLButtonDown(1, 40.0f, 10.0f));
    EXPECT_FALSE(m_table.OnMouseMove(1, 40.0f, 10.0f));
    EXPECT_TRUE(m_table.OnLButtonUp(0, 40.0f, 10.0f));
    EXPECT_EQ(m_table.GetMovedColumn(), -1);
}

}  // namespace
}  // namespace varnholt::testing_grid
