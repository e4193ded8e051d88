// Painting the trees on the recording backend: the rows in view, indicator icons, the printed
// selection and a pane scrolled past the columns.

#include "tree_fixture.h"

#include "model/s_string.h"

#include <algorithm>

namespace varnholt::testing_trees {
namespace {

using view::RectF;

class TreePaint : public TreeTest {};

TEST_F(TreePaint, IndicatorWordsInAUserFieldColumnShowAsIcons) {
    m_document.Rsrcs()[2]->rsrc_name = s_string(std::wstring(L"Green"));  // FITTER, built-in column
    SetColumns({{kName, 100.0f}, {kStatusField, 100.0f}});
    auto lines = Paint(m_resources);
    EXPECT_EQ(CountPart(lines, "bitmap 176 "), 1u);   // CREW; SURVEYOR's "green" is text
    EXPECT_TRUE(HasPart(lines, "\"green\""));
    EXPECT_TRUE(HasPart(lines, "\"Green\""));         // FITTER's name
    m_resources.GetRowList().At(1)->selected = true;
    lines = Paint(m_resources);
    EXPECT_EQ(CountPart(lines, "bitmap 180 "), 1u);
    EXPECT_EQ(CountPart(lines, "bitmap 176 "), 0u);
}

TEST_F(TreePaint, PrintingDropsTheResourceHighlightButNotTheObsOne) {
    m_resources.GetRowList().At(1)->selected = true;
    m_obs.GetRowList().At(1)->selected = true;
    auto lines = Paint(m_resources);
    EXPECT_TRUE(HasPart(lines, "fill ffff9933 0,38 250,56"));
    EXPECT_TRUE(HasPart(lines, "ffffffff Calibri/15/400 \"CREW\""));
    m_host.Backend(m_resources).SetPrinting(true);
    m_host.Backend(m_obs).SetPrinting(true);
    lines = Paint(m_resources);
    EXPECT_FALSE(HasPart(lines, "fill ffff9933"));
    EXPECT_TRUE(HasPart(lines, "ff000000 Calibri/15/400 \"CREW\""));
    EXPECT_TRUE(HasPart(Paint(m_obs), "fill ffff9933 0,38 600,56"));
}

TEST_F(TreePaint, APaneScrolledPastTheLastColumnPaintsNoCell) {
    m_host.SetClientSize(m_resources, 5, 400);
    m_host.ScrollTo(m_resources, 1000, 0);
    const auto& lines = Paint(m_resources);
    ASSERT_GE(m_host.ScrollX(m_resources), 250);
    EXPECT_EQ(CountPart(lines, "text "), 2u);  // the two header titles
    EXPECT_TRUE(HasPart(lines, "line 1 solid"));
}

// A chain of resources seven levels deep under CREW: the level-6 parent's expander would start
// at 106, past the 100-pixel first column; it stays left of the column line and still folds.
class DeepResources : public TreeTest {
protected:
    [[nodiscard]] std::string Schedule() const override {
        std::string chain;
        for (int i = 0; i < 6; ++i)
            chain += "%R\t" + std::to_string(200 + i) + "\t1\tD" + std::to_string(i) + "\tx\t" +
                     std::to_string(i == 0 ? 1 : 199 + i) + "\t\n";
        return TreeSchedule(chain);
    }
};

TEST_F(DeepResources, ExpandersStayInTheFirstColumnAndStillFold) {
    Paint(m_resources);
    const auto& rows = m_resources.GetRowList().Rows();
    const std::size_t listed = rows.size();
    const auto parent_at = std::find_if(rows.begin(), rows.end(), [](const view::Row* r) { return r->level == 6; });
    ASSERT_NE(parent_at, rows.end());
    const view::Row& parent = **parent_at;
    const RectF box = parent.GetExpanderRect();
    EXPECT_EQ(box, (RectF{89.0f, parent.GetRect().y + 4.0f, 9.0f, 9.0f}));
    m_host.LButtonUp(m_resources, box.x + 4.0f, box.y + 4.0f);
    EXPECT_EQ(m_resources.GetRowList().Size(), listed - 1);
}

class ManyResources : public TreeTest {
protected:
    [[nodiscard]] std::string Schedule() const override {
        std::string extra;
        for (int i = 0; i < 10000; ++i) extra += "%R\t" + std::to_string(100 + i) + "\t9\tR" + std::to_string(i) + "\tx\t\t\n";
        return TreeSchedule(extra);
    }
};

TEST_F(ManyResources, OnlyTheRowsInViewArePaintedFromTheScrolledRowOn) {
    m_host.SetClientSize(m_resources, 600, 200);
    m_host.ScrollTo(m_resources, 0, 45);
    Paint(m_resources);
    const auto& rows = m_resources.GetRowList().Rows();
    std::size_t painted = 0;
    for (const view::Row* row : rows) painted += row->GetRect() != RectF{} ? 1 : 0;
    EXPECT_LE(painted, 11u);
    EXPECT_EQ(rows[1]->GetRect(), RectF{});
    EXPECT_EQ(rows[2]->GetRect().y, 20.0f + 36.0f + 1.0f);
}

}  // namespace
}  // namespace varnholt::testing_trees
