// Painting the WBS table through the fake host and the recording backend: level bands, the
// chevrons of WBS rows, the lines it leaves out, the header titles and printed pages.

#include "record_tables_fixture.h"

namespace varnholt::testing_grid {
namespace {

class WbsPaint : public WbsTableTest {
protected:
    void SetUp() override {
        WbsTableTest::SetUp();
        Columns({{kWbsName, 120.0f}, {kWbsCode, 100.0f}, {kWbsStatus, 100.0f}});
        Order().AddLevel(0xFF0000AA);
        Order().AddLevel(0xFF0000BB);
        Order().AddLevel(0xFF0000CC);
    }
};

TEST_F(WbsPaint, BandsStopOneLevelShortOnWbsRowsAndNoGreyLinesCrossTheRows) {
    GroupOn(kWbsManager);
    Build();
    const auto& lines = Paint();
    // Rows: 0 alpha (group, level 1, y 30), 1 A (level 2, y 48), 2 Design (group, level 2, y 66),
    // 3 DES (level 3, y 84).
    ExpectDrawn(lines, {
        {"a level-2 WBS row: band 0", "fill ff0000aa 0,48 20,66", true},
        {"a level-2 WBS row: no band 1", "fill ff0000bb 20,48 40,66", false},
        {"a level-3 WBS row: band 1", "fill ff0000bb 20,84 40,102", true},
        {"a level-3 WBS row: no band 2", "fill ff0000cc 40,84 60,102", false},
        {"no grey line at a band's edge", "line 1 solid ff646464 20,84 20,102", false},
        {"no grey separator on WBS rows", "line 1 solid ff646464 120,48 120,66", false},
        {"no line between rows", "line 1 solid ff646464 40,84 320,84", false},
        {"the WBS row's text from its indentation", "clip 60,84 120,102 ff000000 Calibri/15/400 \"Design\"", true},
    });
}

TEST_F(WbsPaint, WbsRowsWithChildrenHaveABlackChevronWhileColumnZeroIsPainted) {
    GroupOn(kWbsCode);
    Build();
    Listed(5).expanded = false;  // B
    m_table.Update();
    const auto& lines = Paint();
    // A (row 0, level 1, expanded) points down; B (row 5, y 120, collapsed) points right.
    for (const std::string_view line : {"line 2 solid ff000000 6,35 10,39", "line 2 solid ff000000 6,125 10,129"}) {
        SCOPED_TRACE(line);
        EXPECT_TRUE(Has(lines, line));
    }
    EXPECT_EQ(CountStarting(lines, "line 2"), 2u * 3) << "A, BLD and B; leaves and D, E have none";
    EXPECT_EQ(Listed(1).GetExpanderRect(), (view::RectF{26.0f, 53.0f, 9.0f, 9.0f}));
    EXPECT_EQ(Listed(3).GetExpanderRect(), view::RectF{}) << "QA has no children";

    // Scrolled so that column 0 is out of view: no chevron, and the boxes of the last paint stay.
    m_host.SetClientSize(m_table, 150, 400);
    m_host.ScrollTo(m_table, 130, 0);
    Listed(1).expanded = false;
    m_table.Update();
    const auto& scrolled = Paint();
    ASSERT_EQ(m_host.ScrollX(m_table), 130);
    EXPECT_EQ(CountStarting(scrolled, "line 2"), 0u);
    EXPECT_EQ(Listed(1).GetExpanderRect(), (view::RectF{26.0f, 53.0f, 9.0f, 9.0f}));
}

TEST_F(WbsPaint, AnUnknownGroupByPaintsTheHeaderAndTheClosingLinesOnly) {
    GroupOn(kUnknownColumn);
    Build();
    const auto& lines = Paint();
    EXPECT_EQ(CountStarting(lines, "text"), 3u) << "the three titles";
    EXPECT_EQ(CountStarting(lines, "fill"), 1u) << "the header strip";
    EXPECT_FALSE(HasPart(lines, "polygon")) << "no sort mark";
    EXPECT_TRUE(Has(lines, "line 1 solid ff646464 320,30 320,30"));
}

TEST_F(WbsPaint, PrintedPagesShowNoSelection) {
    Build();
    Listed(1).selected = true;
    for (const bool printing : {false, true}) {
        SCOPED_TRACE(printing ? "printing" : "screen");
        m_host.Backend(m_table).SetPrinting(printing);
        const auto& lines = Paint();
        EXPECT_EQ(Has(lines, "fill ffff9933 0,48 320,66"), !printing);
        EXPECT_EQ(HasPart(lines, "ffffffff Calibri/15/400 \"Design\""), !printing);
    }
}

}  // namespace
}  // namespace varnholt::testing_grid
