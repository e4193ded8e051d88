// Mouse scripts on the trees at scale 1 (paint, then press, move, release): resizing, column
// moving, selection and the expander toggle, hit-tested against the last paint only.

#include "tree_fixture.h"

namespace varnholt::testing_trees {
namespace {

using view::CursorKind;
using view::kLeftButtonDown;

class TreeMouse : public TreeTest {
protected:
    void Drag(view::View& v, float x0, float x1, float y = 10.0f) {
        m_host.Paint(v);
        m_host.LButtonDown(v, x0, y);
        m_host.MouseMove(v, x1, y, kLeftButtonDown);
        m_host.LButtonUp(v, x1, y);
    }
};

TEST_F(TreeMouse, AResizeStopsAtTheMinimumWidthAndTheFirstColumnMakesRoomForTheLevels) {
    Drag(m_resources, 100.0f, 10.0f);  // the deepest visible level is 2
    EXPECT_FLOAT_EQ(m_layout.GetColumn(0)->width, 30.0f + 20.0f * 2);
    Drag(m_resources, 220.0f, 75.0f);
    EXPECT_FLOAT_EQ(m_layout.GetColumn(1)->width, 30.0f);

    Drag(m_obs, 600.0f, 10.0f);
    EXPECT_FLOAT_EQ(m_obs.GetWidth(), 70.0f);
    Drag(m_roles, 600.0f, 320.0f);
    EXPECT_FLOAT_EQ(m_roles.GetWidth(), 330.0f);
}

TEST_F(TreeMouse, DraggingAHeaderCellMovesTheColumn) {
    struct Case { const char* why; float from_x; float to_x; std::vector<std::int32_t> order; std::int32_t moved; };
    const Case cases[] = {
        {"third onto first", 300.0f, 50.0f, {kNotes, kShortName, kName}, 0},
        {"first past the right end", 50.0f, 400.0f, {kName, kNotes, kShortName}, 2},
        {"first onto its right neighbour", 50.0f, 150.0f, {kShortName, kName, kNotes}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        SetColumns({{kShortName, 100.0f}, {kName, 150.0f}, {kNotes, 100.0f}});
        Drag(m_resources, c.from_x, c.to_x);
        EXPECT_EQ(ColumnOrder(), c.order);
        EXPECT_EQ(m_resources.GetMovedColumn(), c.moved);
    }
    EXPECT_EQ(m_obs.GetMovedColumn(), -1);
}

TEST_F(TreeMouse, APressSelectsTheRowUnderItAndAPressBelowTheRowsDeselectsAll) {
    m_host.Paint(m_obs);
    m_host.LButtonDown(m_obs, 50.0f, 45.0f);
    EXPECT_EQ(Outline(m_obs), "ROOT\n  ENG*\n  OPS\n");
    m_host.LButtonDown(m_obs, 50.0f, 300.0f);
    EXPECT_EQ(m_obs.GetSelectedRow(), nullptr);
    // The release over ROOT's expander collapses it; elsewhere it answers false.
    EXPECT_FALSE(m_obs.OnLButtonUp(0, 50.0f, 45.0f));
    EXPECT_TRUE(m_host.LButtonUp(m_obs, 10.0f, 29.0f));
    EXPECT_EQ(Outline(m_obs), "ROOT\n");
}

// After an expand moves painted rows out of the pane, their old rectangles must not answer.
TEST_F(TreeMouse, OnlyTheRowsOfTheLastPaintAnswerAClick) {
    m_resources.CollapseAll();
    m_resources.GetRowList().At(3)->expanded = true;  // the loop pair: both listed
    m_resources.Update();
    m_host.SetClientSize(m_resources, 600, 100);      // five rows in view
    m_host.Paint(m_resources);
    view::Row* loop_top = m_resources.GetRowList().At(3);
    view::Row* loop_child = m_resources.GetRowList().At(4);

    m_host.LButtonDown(m_resources, 10.0f, 47.0f);    // CREW's expander
    m_host.LButtonUp(m_resources, 10.0f, 47.0f);
    ASSERT_EQ(loop_child->index, 6);

    m_host.LButtonDown(m_resources, 50.0f, 95.0f);    // where the loop child was painted
    EXPECT_EQ(m_resources.GetSelectedRow(), m_resources.GetRowList().At(4));
    EXPECT_FALSE(loop_child->selected);
    m_host.LButtonUp(m_resources, 50.0f, 95.0f);

    m_host.LButtonDown(m_resources, 10.0f, 83.0f);    // where the loop's expander was painted
    m_host.LButtonUp(m_resources, 10.0f, 83.0f);
    EXPECT_TRUE(loop_top->expanded);
    EXPECT_EQ(m_resources.GetRowList().Size(), 7u);
}

}  // namespace
}  // namespace varnholt::testing_trees
