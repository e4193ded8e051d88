// pane_scroll_rules_test.cpp - the pane's scroll steps as plain arithmetic: ranges, bar codes,
// the wheel, the column step over the columns, the key moves and the two-row margin, and panes
// lower than their header.

#include "views/core/pane_scroll_rules.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace varnholt::view {
namespace {

TEST(PaneScrollRules, TheRangeLeavesTenPixelsPastTheContent) {
    struct Case { float content; std::int32_t client; std::int32_t range; };
    const Case cases[] = {{590.0f, 600, 0}, {595.0f, 600, 5}, {1000.0f, 600, 410}, {1000.99f, 600, 410},
                          {0.0f, 0, 10}, {std::numeric_limits<float>::quiet_NaN(), 100, 0}, {3e38f, 100, 999999910}};
    for (const Case& c : cases) EXPECT_EQ(ScrollRange(c.content, c.client), c.range) << c.content << " in " << c.client;
}

TEST(PaneScrollRules, BarCodesStepByLinesAndPagesInsideTheRange) {
    struct Case { ScrollCode code; std::int32_t step, position, max, track, expected; };
    const Case cases[] = {
        {ScrollCode::line_down, kVerticalLineStep, 0, 410, 0, 18},
        {ScrollCode::line_down, kHorizontalLineStep, 0, 410, 0, 20},
        {ScrollCode::line_down, kVerticalLineStep, 400, 410, 0, 410},
        {ScrollCode::line_up, kVerticalLineStep, 10, 410, 0, 0},
        {ScrollCode::line_up, kHorizontalLineStep, 50, 410, 0, 30},
        {ScrollCode::page_down, kVerticalLineStep, 0, 410, 0, 100},
        {ScrollCode::page_down, kVerticalLineStep, 350, 410, 0, 410},
        {ScrollCode::page_up, kVerticalLineStep, 150, 410, 0, 50},
        {ScrollCode::page_up, kVerticalLineStep, 40, 410, 0, 0},
        {ScrollCode::top, kVerticalLineStep, 300, 410, 0, 0},
        {ScrollCode::bottom, kVerticalLineStep, 3, 410, 0, 410},
        {ScrollCode::thumb, kVerticalLineStep, 3, 410, 222, 222},
        {ScrollCode::thumb, kVerticalLineStep, 3, 410, 9999, 410},
        {ScrollCode::other, kVerticalLineStep, 77, 410, 0, 77},
        {ScrollCode::line_down, kVerticalLineStep, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScrollBarPosition(c.code, c.step, c.position, c.max, c.track), c.expected)
            << static_cast<int>(c.code) << " from " << c.position;
    }
    EXPECT_EQ(kPageStep, 100);
}

TEST(PaneScrollRules, ANotchOfTheWheelScrollsTwentyPixels) {
    struct Case { std::int32_t position, max, delta, expected; };
    const Case cases[] = {{100, 410, 120, 80}, {100, 410, -120, 120}, {100, 410, 5, 100}, {100, 410, -5, 100},
                          {100, 410, 240, 60}, {0, 410, 120, -20}, {500, 410, 120, 500}, {-1, 410, -120, -1}};
    for (const Case& c : cases) EXPECT_EQ(WheelPosition(c.position, c.max, c.delta), c.expected) << c.delta;
}

TEST(PaneScrollRules, TheArrowsStepOverTheColumns) {
    const std::vector<float> widths{100.0f, 150.0f};
    struct Case { float scale; std::int32_t position; bool right; std::optional<std::int32_t> expected; };
    const Case cases[] = {
        {1.0f, 0, true, 100},   {1.0f, 100, true, 250}, {1.0f, 250, true, std::nullopt},
        {1.0f, 250, false, 100}, {1.0f, 100, false, 0},  {1.0f, 120, false, 100},
        {1.0f, 300, false, std::nullopt}, {1.5f, 0, true, 150}, {1.5f, 150, true, 375},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ColumnStep(widths, c.scale, c.position, c.right), c.expected)
            << (c.right ? "right from " : "left from ") << c.position << " at " << c.scale;
    }
    EXPECT_EQ(ColumnStep({}, 1.0f, 0, true), std::nullopt);
}

TEST(PaneScrollRules, TheKeysMoveTheSelectionByRowsAndPages) {
    const std::int32_t rpp = RowsPerPage(300, 30.0f, 18.0f);
    EXPECT_EQ(rpp, 15);
    struct Case { PaneKey key; std::size_t index, count, expected; };
    const Case cases[] = {
        {PaneKey::page_down, 0, 100, 14}, {PaneKey::page_down, 90, 100, 99}, {PaneKey::page_up, 20, 100, 6},
        {PaneKey::page_up, 5, 100, 0},     {PaneKey::down, 99, 100, 99},      {PaneKey::up, 0, 100, 0},
        {PaneKey::down, 3, 100, 4},        {PaneKey::up, 3, 100, 2},          {PaneKey::left, 3, 100, 3},
        {PaneKey::down, 0, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MovedRowIndex(c.key, c.index, c.count, rpp), c.expected) << static_cast<int>(c.key) << " at " << c.index;
    }
}

TEST(PaneScrollRules, AMovedRowKeepsTwoRowsOfMargin) {
    struct Case { std::int32_t position; std::size_t index; std::optional<std::int32_t> expected; };
    // Header 30, rows 18, a client area 300 high.
    const Case cases[] = {
        {0, 14, 18},              // the row's top ends two rows above the bottom edge
        {0, 5, std::nullopt},     // already inside the margins
        {500, 10, 174},           // above the view: two rows show above it
        {0, 0, -6},               // above the top: the scroll bar clamps it to 0
    };
    for (const Case& c : cases) EXPECT_EQ(KeepRowVisible(c.position, 300, 30.0f, 18.0f, c.index), c.expected) << c.index;
    EXPECT_EQ(300 - (18 * 14 + 30 - 18), 2 * 18) << "row 14 ends with its top two rows above the edge";
}

TEST(PaneScrollRules, WithoutASelectionTheKeysScrollByRowsAndPages) {
    EXPECT_EQ(KeyScrollPosition(PaneKey::page_down, 0, 300, 30.0f, 18.0f), 270);
    EXPECT_EQ(KeyScrollPosition(PaneKey::page_up, 400, 300, 30.0f, 18.0f), 130);
    EXPECT_EQ(KeyScrollPosition(PaneKey::down, 0, 300, 30.0f, 18.0f), 18);
    EXPECT_EQ(KeyScrollPosition(PaneKey::up, 18, 300, 30.0f, 18.0f), 0);
    EXPECT_EQ(KeyScrollPosition(PaneKey::right, 18, 300, 30.0f, 18.0f), 18);
}

// A pane lower than its header, or rows under a pixel high: paging still runs forward.
TEST(PaneScrollRules, APaneLowerThanItsHeaderStillPagesForward) {
    for (const std::int32_t height : {20, 30, 0, -5}) {
        SCOPED_TRACE(height);
        const std::int32_t rpp = RowsPerPage(height, 30.0f, 18.0f);
        EXPECT_EQ(rpp, 1);
        for (std::size_t index : {0u, 1u, 7u}) {
            EXPECT_GE(MovedRowIndex(PaneKey::page_down, index, 10, rpp), index);
            EXPECT_LE(MovedRowIndex(PaneKey::page_up, index, 10, rpp), index);
        }
        EXPECT_EQ(KeyScrollPosition(PaneKey::page_down, 100, height, 30.0f, 18.0f), 118);
        EXPECT_EQ(KeyScrollPosition(PaneKey::page_up, 100, height, 30.0f, 18.0f), 82);
    }
    EXPECT_EQ(RowsPerPage(300, 30.0f, 0.5f), 1);
    EXPECT_EQ(RowsPerPage(300, 30.0f, 0.0f), 1);
}

}  // namespace
}  // namespace varnholt::view
