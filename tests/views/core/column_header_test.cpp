// column_header_test.cpp - the column header alone: which presses resize or pick a column up
// under each table's metrics, and where a dragged column lands.

#include "rows/display_scale.h"
#include "views/core/HeaderDrag.h"
#include "views/core/View.h"
#include "views/draw/RecordingBackend.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <vector>

namespace varnholt::view {
namespace {

constexpr std::array<float, 2> kWidths{100.0f, 50.0f};  // the table ends at x 150
constexpr ColumnHeader::Metrics kGrid{.zone_half_width = 3.0f, .cell_inset = 4.0f, .movable = true};
constexpr ColumnHeader::Metrics kRelationships{.zone_half_width = 2.0f, .cell_inset = 3.0f, .movable = true};
constexpr ColumnHeader::Metrics kFixed{.zone_half_width = 3.0f, .cell_inset = 4.0f, .movable = false};

class ColumnHeaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        DisplayScale() = 1.0f;
        m_dc.SetDevice(&m_backend);
        m_dc.SetCursorHandler([this](CursorKind kind) { m_cursors.push_back(kind); });
    }

    // A header painted once, 20 high, so that its zones and cells are laid out.
    ColumnHeader Painted(ColumnHeader::Metrics metrics) {
        ColumnHeader header(metrics);
        header.Paint(m_dc, {.top = 0.0f, .height = 20.0f, .table_width = 150.0f, .table_height = 200.0f}, kWidths,
                     [](std::size_t, const RectF&) {});
        return header;
    }

    RecordingBackend m_backend;
    DrawContext m_dc;
    std::vector<CursorKind> m_cursors;
};

TEST_F(ColumnHeaderTest, PressesResizeOrPickUpByTheTablesMetrics) {
    struct Case {
        const char* why;
        ColumnHeader::Metrics metrics;
        PointF point;
        bool hit;
        std::int32_t resizing, picked;
    } const cases[] = {
        {"inside the first cell", kGrid, {50.0f, 10.0f}, true, -1, 0},
        {"on the first border", kGrid, {102.5f, 10.0f}, true, 0, -1},
        {"past the narrower zone of the relationship tables", kRelationships, {102.5f, 10.0f}, false, -1, -1},
        {"in the cell's inset, outside the zone", kRelationships, {97.5f, 10.0f}, false, -1, -1},
        {"a fixed header has no cells to pick up", kFixed, {50.0f, 10.0f}, false, -1, -1},
        {"a fixed header still resizes", kFixed, {148.0f, 10.0f}, true, 1, -1},
        {"below the header", kGrid, {50.0f, 30.0f}, false, -1, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        ColumnHeader header = Painted(c.metrics);
        EXPECT_EQ(header.Press(c.point, m_dc), c.hit);
        EXPECT_EQ(header.ResizingColumn(), c.resizing);
        EXPECT_EQ(header.PickedColumn(), c.picked);
    }
}

TEST_F(ColumnHeaderTest, ADroppedColumnLandsLeftOfTheGapItWasDraggedRightTo) {
    ColumnHeader header = Painted(kGrid);
    ASSERT_TRUE(header.Press({50.0f, 10.0f}, m_dc));
    EXPECT_FALSE(header.Drag(0, {200.0f, 10.0f}, 150.0f, m_dc)) << "the button is up";
    EXPECT_TRUE(header.Drag(kLeftButtonDown, {200.0f, 10.0f}, 150.0f, m_dc));
    EXPECT_EQ(header.DropTarget(), 2) << "right of the table: after the last column";
    const std::optional<ColumnHeader::Move> move = header.Release();
    ASSERT_TRUE(move.has_value());
    EXPECT_EQ(move->from, 0u);
    EXPECT_EQ(move->to, 2u);
    EXPECT_EQ(header.MovedColumn(), 1);
    EXPECT_EQ(header.DropTarget(), -1);
    EXPECT_FALSE(header.Release().has_value()) << "a release ends the drag";
}

TEST_F(ColumnHeaderTest, AFixedHeaderIgnoresDragsRightOfTheTable) {
    ColumnHeader header = Painted(kFixed);
    EXPECT_FALSE(header.Drag(kLeftButtonDown, {200.0f, 10.0f}, 150.0f, m_dc));
    EXPECT_EQ(header.DropTarget(), -1);
    EXPECT_TRUE(m_cursors.empty());
    EXPECT_TRUE(header.Hover({100.0f, 10.0f}, m_dc));
    EXPECT_EQ(m_cursors, std::vector<CursorKind>{CursorKind::size_we});
}

}  // namespace
}  // namespace varnholt::view
