// HeaderDrag.h - the column header of the tables whose columns the user resizes and moves
// with the mouse: hit tests of the header cells of the last paint, where a dragged header
// would land, and the header itself with the state of one press.
#pragma once

#include "rows/Geometry.h"
#include "views/draw/DrawContext.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace varnholt::view {

// The index of the first rectangle holding the point (edges included), or -1.
[[nodiscard]] std::int32_t FirstHit(std::span<const RectF> rects, PointF point);

// The gap a header drag points at: the column count when the point lies right of the table
// (drop after the last column), the index of the header cell under the point, or -1 over
// neither.
[[nodiscard]] std::int32_t DropTargetAt(std::span<const RectF> header_cells, float table_width, PointF point);

// A table's column header: the border zones that resize a column and the cells that pick one
// up, both laid out by the last paint, and what one press has done from button down to button
// up. The table keeps what the header only reports: the new widths, the column move, the sort.
// Points are content points.
class ColumnHeader {
public:
    // Lengths at scale 1.
    struct Metrics {
        float zone_half_width = 3.0f;  // a border is grabbed this far either side of it
        float cell_inset = 4.0f;       // a cell picks its column up this far inside its borders
        bool movable = true;           // false: no cells, the columns are only resized
    };
    struct Move {
        std::size_t from = 0;
        std::size_t to = 0;  // the gap before column `to`; the column count for the end
    };
    // Where the header is painted: at content y `top`, `height` high, across `table_width`; the
    // markers of a resize or a drop run down to `table_height`.
    struct Frame {
        float top = 0.0f;
        float height = 0.0f;
        float table_width = 0.0f;
        float table_height = 0.0f;
    };
    // Writes a column's title in its cell (the whole cell, header high).
    using TitlePainter = std::function<void(std::size_t column, const RectF& cell)>;

    explicit ColumnHeader(Metrics metrics) : m_metrics(metrics) {}

    // Button down: a border zone starts resizing its column and a cell picks its column up
    // (with the move cursor); true when either was hit. Forgets the column moved last.
    bool Press(PointF point, const DrawContext& dc);
    // Whether the point lies on a border zone; the resize cursor shows there.
    bool Hover(PointF point, const DrawContext& dc) const;
    // A move with the left button held (in `flags`) over the cells or right of the table marks
    // the gap a picked-up column would land in; true when it did.
    bool Drag(std::uint32_t flags, PointF point, float table_width, const DrawContext& dc);
    // Button up: the move to make when a picked-up column was dropped on a gap, which then shows
    // as the moved column. Ends the resize and the drag either way.
    std::optional<Move> Release();

    // The column being resized, or -1.
    [[nodiscard]] std::int32_t ResizingColumn() const noexcept { return m_resizing; }
    // Whether a release at the point ends a resize away from its press. The window system may
    // merge the last moves of a quick drag into the release, so the border then goes where the
    // pointer let go; a click on a border changes no width.
    [[nodiscard]] bool ReleaseResizes(PointF point) const noexcept { return m_resizing >= 0 && point != m_pressed_at; }
    // The column the press picked up, or -1.
    [[nodiscard]] std::int32_t PickedColumn() const noexcept { return m_picked; }
    // The gap of the drag under way (the column count after the last column), or -1.
    [[nodiscard]] std::int32_t DropTarget() const noexcept { return m_drop_target; }
    // The column picked up by the last press or put down by the last release, or -1.
    [[nodiscard]] std::int32_t MovedColumn() const noexcept { return m_moved; }
    [[nodiscard]] bool Movable() const noexcept { return m_metrics.movable; }

    // Paints the header over columns of the given drawn widths, left to right from x 0, and lays
    // out the zones and cells that the next mouse calls hit-test.
    void Paint(DrawContext& dc, const Frame& frame, std::span<const float> widths, const TitlePainter& title);
    // The plain title of the tables without a sort mark: one line, 5 pixels in from the left,
    // cut with an ellipsis.
    static void PaintTitle(DrawContext& dc, const TextStyle& style, std::wstring_view text, const RectF& cell);

private:
    Metrics m_metrics;
    std::vector<RectF> m_border_zones;  // one per column, from the last paint
    std::vector<RectF> m_cells;         // one per column when movable, from the last paint
    PointF m_pressed_at;
    std::int32_t m_resizing = -1;
    std::int32_t m_picked = -1;
    std::int32_t m_drop_target = -1;
    std::int32_t m_moved = -1;
};

}  // namespace varnholt::view
