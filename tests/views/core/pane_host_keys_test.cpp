// pane_host_keys_test.cpp - a table pane and its chart partner driven by the scroll bars, the
// wheel, the keys and the find notice: both always show the same rows, a selection moves with
// a margin of two rows, and the text beside a memo list follows it.

#include "rows/Row.h"
#include "views/core/PaneHost.h"
#include "views/core/RowList.h"
#include "views/core/View.h"
#include "views/draw/RecordingBackend.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace varnholt::view {
namespace {

using Log = std::vector<std::string>;

// A list of `rows` rows under a 30-pixel header, 18 pixels each; a chart as tall as its table.
class ListView final : public View {
public:
    ListView(Log& log, std::string name, std::size_t rows) : m_log(log), m_name(std::move(name)) { AddRows(rows); }
    // Lists more rows, as opening a collapsed group does.
    void AddRows(std::size_t rows) {
        for (std::size_t i = 0; i < rows; ++i) GetRowList().Append(*m_rows.emplace_back(std::make_unique<Row>()));
    }
    [[nodiscard]] bool IsDetailView() const override { return detail; }
    [[nodiscard]] bool IsTaskMemoTableView() const override { return memo; }
    [[nodiscard]] float GetWidth() const override { return 2000.0f; }
    [[nodiscard]] float GetHeight() const override {
        const View& rows = table != nullptr ? *table : *this;
        return 30.0f + 18.0f * static_cast<float>(rows.GetRowList().Size());
    }
    [[nodiscard]] float GetHeaderHeight() const override { return 30.0f; }
    [[nodiscard]] float GetRowHeight() const override { return 18.0f; }
    void Update() override { m_log.push_back("update " + m_name); }
    void Draw(const RectF&) override {}

    bool detail = false;
    bool memo = false;
    const ListView* table = nullptr;  // a chart's table

private:
    Log& m_log;
    std::string m_name;
    std::vector<std::unique_ptr<Row>> m_rows;
};

class LogOwner final : public PaneOwner {
public:
    LogOwner(Log& log, std::string name) : m_log(log), m_name(std::move(name)) {}
    void RepaintPane() override { m_log.push_back("repaint " + m_name); }
    void RedrawPaneNow() override { m_log.push_back("redraw " + m_name); }
    void SetScrollBars(std::int32_t, std::int32_t, std::int32_t x, std::int32_t y) override { bar = {x, y}; }
    void SetPaneCursor(CursorKind) override {}
    std::array<std::int32_t, 2> bar{0, 0};

private:
    Log& m_log;
    std::string m_name;
};

// The table pane and its chart partner, 300 pixels high, painted once so that both know their
// ranges.
class PanePair : public testing::Test {
protected:
    void SetUp() override { Build(300, 100); }
    void Build(std::int32_t height, std::size_t rows) {
        table = std::make_unique<ListView>(log, "table", rows);
        chart = std::make_unique<ListView>(log, "chart", 0);
        chart->table = table.get();
        table_pane.SetView(table.get());
        chart_pane.SetView(chart.get());
        table_pane.SetPartners({&chart_pane});
        chart_pane.SetPartners({&table_pane});
        for (PaneHost* pane : {&table_pane, &chart_pane}) {
            pane->SetClientSize(500, height);
            RecordingBackend device;
            pane->Paint(device);
        }
        log.clear();
    }
    [[nodiscard]] std::size_t Selected() const {
        const Row* row = table->GetSelectedRow();
        return row != nullptr ? static_cast<std::size_t>(row->index) : 9999;
    }

    Log log;
    LogOwner table_owner{log, "table"};
    LogOwner chart_owner{log, "chart"};
    PaneHost table_pane{table_owner};
    PaneHost chart_pane{chart_owner};
    std::unique_ptr<ListView> table;
    std::unique_ptr<ListView> chart;
};

TEST_F(PanePair, TheVerticalBarMovesBothPanesAndTheHorizontalOnlyItsOwn) {
    table_pane.ScrollBar(PaneHost::Axis::vertical, ScrollCode::line_down, 0);
    EXPECT_EQ(table_pane.ScrollY(), 18);
    EXPECT_EQ(chart_pane.ScrollY(), 18);
    EXPECT_EQ(chart_owner.bar[1], 18);
    EXPECT_EQ(log, (Log{"redraw chart", "redraw table"}));

    log.clear();
    table_pane.ScrollBar(PaneHost::Axis::horizontal, ScrollCode::line_down, 0);
    EXPECT_EQ(table_pane.ScrollX(), 20);
    EXPECT_EQ(chart_pane.ScrollX(), 0);
    EXPECT_EQ(log, (Log{"repaint table"}));
}

TEST_F(PanePair, TheWheelScrollsBothPanesButNeverADetailView) {
    table_pane.ScrollTo(0, 100);
    EXPECT_TRUE(table_pane.Wheel(120));
    EXPECT_EQ(table_pane.ScrollY(), 80);
    EXPECT_EQ(chart_pane.ScrollY(), 80);
    EXPECT_TRUE(table_pane.Wheel(-120));
    EXPECT_EQ(table_pane.ScrollY(), 100);
    EXPECT_EQ(chart_pane.ScrollY(), 100);
    EXPECT_TRUE(table_pane.Wheel(5));
    EXPECT_EQ(table_pane.ScrollY(), 100);
    EXPECT_TRUE(table_pane.Wheel(2400));
    EXPECT_EQ(table_pane.ScrollY(), 0) << "the bars clamp at the top";

    table->detail = true;
    table_pane.ScrollTo(0, 100);
    EXPECT_FALSE(table_pane.Wheel(-120));
    EXPECT_EQ(table_pane.ScrollY(), 100);
}

TEST_F(PanePair, PageDownWithoutASelectionScrollsAPageBelowTheHeader) {
    EXPECT_TRUE(table_pane.KeyDown(PaneKey::page_down));
    EXPECT_EQ(table_pane.ScrollY(), 270);
    EXPECT_EQ(chart_pane.ScrollY(), 270);
}

TEST_F(PanePair, PageDownMovesTheSelectionAndKeepsItTwoRowsInside) {
    table->SelectRow(table->GetRowList().At(0));
    ASSERT_TRUE(table_pane.KeyDown(PaneKey::page_down));
    EXPECT_EQ(Selected(), 14u);
    EXPECT_FALSE(table->GetRowList().At(0)->selected);
    EXPECT_EQ(table_pane.ScrollY(), 18);
    EXPECT_EQ(chart_pane.ScrollY(), 18);
    EXPECT_EQ(log, (Log{"redraw chart", "repaint chart", "redraw table"}));

    table->SelectRow(table->GetRowList().At(99));
    ASSERT_TRUE(table_pane.KeyDown(PaneKey::down));
    EXPECT_EQ(Selected(), 99u) << "down on the last row keeps it";
    table->SelectRow(table->GetRowList().At(0));
    ASSERT_TRUE(table_pane.KeyDown(PaneKey::up));
    EXPECT_EQ(Selected(), 0u) << "up on the first row keeps it";
    EXPECT_EQ(table_pane.ScrollY(), 0);
}

TEST_F(PanePair, APaneLowerThanItsHeaderPagesTheRightWay) {
    Build(20, 100);
    table->SelectRow(table->GetRowList().At(10));
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(table_pane.KeyDown(PaneKey::page_down));
    EXPECT_GE(Selected(), 10u);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(table_pane.KeyDown(PaneKey::page_up));
    EXPECT_LE(Selected(), 10u);

    table->SelectRow(nullptr);
    table_pane.ScrollTo(0, 200);
    ASSERT_TRUE(table_pane.KeyDown(PaneKey::page_up));
    EXPECT_EQ(table_pane.ScrollY(), 182) << "a page under a pixel scrolls by one row";
    ASSERT_TRUE(table_pane.KeyDown(PaneKey::page_down));
    EXPECT_EQ(table_pane.ScrollY(), 200);
}

TEST_F(PanePair, AMemoListLetsItsTextFollowKeysAndReleases) {
    table->memo = true;
    ASSERT_TRUE(table_pane.KeyDown(PaneKey::other));
    EXPECT_EQ(log, (Log{"update chart", "repaint chart", "redraw table"}));

    log.clear();
    (void)table_pane.LButtonDown(kLeftButtonDown, 10.0f, 40.0f);
    EXPECT_EQ(log, (Log{"repaint table", "repaint chart"})) << "a press leaves the list's rows and the text";
    log.clear();
    (void)table_pane.LButtonUp(0, 10.0f, 40.0f);
    EXPECT_EQ(log, (Log{"repaint table", "update chart", "repaint chart"}));
}

TEST_F(PanePair, TheFoundRowIsBroughtIntoViewOnBothPanes) {
    table_pane.RevealRow(50);
    EXPECT_EQ(table_pane.ScrollY(), 30 + 18 * 50 + 36 - 300);
    EXPECT_EQ(chart_pane.ScrollY(), table_pane.ScrollY());
    EXPECT_EQ(log, (Log{"redraw chart"})) << "the pane itself is not redrawn";
}

TEST_F(PanePair, RowsListedSinceTheLastPaintCanBeScrolledTo) {
    Build(300, 5);
    ASSERT_EQ(table_pane.RangeY(), 0) << "five rows fit";
    table->AddRows(95);  // a found row's group opened, and nothing painted since
    table_pane.RevealRow(90);
    const std::int32_t revealed = 30 + 18 * 90 + 36 - 300;
    EXPECT_EQ(table_pane.ScrollY(), revealed);
    EXPECT_EQ(chart_pane.ScrollY(), revealed);
    EXPECT_EQ(chart_owner.bar[1], revealed);
    EXPECT_EQ(table_pane.RangeY(), 30 + 18 * 100 + 10 - 300);
    EXPECT_EQ(chart_pane.RangeY(), table_pane.RangeY());
}

// A paint that clamps one pane to shorter content moves its partner too, even when the partner
// does not paint: the chart stays hidden while a category without one shows in the table.
TEST_F(PanePair, AClampToShorterContentTakesThePartnerAlong) {
    table_pane.ScrollBar(PaneHost::Axis::vertical, ScrollCode::thumb, 240);
    ASSERT_EQ(chart_pane.ScrollY(), 240);
    ListView resources(log, "resources", 5);
    table_pane.SetView(&resources);
    log.clear();
    RecordingBackend device;
    table_pane.Paint(device);
    EXPECT_EQ(table_pane.ScrollY(), 0);
    EXPECT_EQ(chart_pane.ScrollY(), 0);
    EXPECT_EQ(chart_owner.bar[1], 0);
    EXPECT_EQ(log, (Log{"redraw chart"}));

    // The chart measuring first moves the table the same way.
    table_pane.SetView(table.get());
    table_pane.ScrollBar(PaneHost::Axis::vertical, ScrollCode::thumb, 240);
    chart->table = &resources;
    chart_pane.Paint(device);
    EXPECT_EQ(chart_pane.ScrollY(), 0);
    EXPECT_EQ(table_pane.ScrollY(), 0);
    EXPECT_EQ(table_owner.bar[1], 0);
}

TEST(PaneHostKeys, NothingHappensWithoutAView) {
    Log log;
    LogOwner owner(log, "pane");
    PaneHost pane(owner);
    EXPECT_FALSE(pane.KeyDown(PaneKey::page_down));
    EXPECT_FALSE(pane.Wheel(120));
    pane.RevealRow(3);
    EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace varnholt::view
