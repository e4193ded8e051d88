// TablePainter.h - the pieces every grouped grid table paints its rows with: level bands,
// cells, indicator images, group titles with their chevrons, column lines and the lines between
// rows. The activity table paints with all of them; the WBS and project tables choose the
// pieces and colours they differ in. Nothing here keeps state between paints.
//
// What a record row draws for its depth (bands, band edges, the level line, its expander) stays
// inside column 0, however deep the row: past the column's right edge lie the next column's
// cells. A group row's title spans the row, and its bands lead into it.
#pragma once

#include "views/draw/DrawContext.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace varnholt {
class GroupSortBy;
}

namespace varnholt::view {

class Row;

// Flags of a single-line cell text: vertically centred, left aligned.
inline constexpr std::uint32_t kCellTextFlags = kTextSingleLine | kTextVCenter;

// The columns a paint covers: first .. last inclusive, the first starting at x0, and the width
// every column of the table is drawn at.
struct ColumnRange {
    std::size_t first = 0;
    std::size_t last = 0;
    float x0 = 0.0f;
    std::vector<float> widths;
};

// Columns of the given drawn widths from the horizontal scroll position across the pane's
// width; none when every column ends at or left of the scroll position (nothing of the table
// is in view).
[[nodiscard]] std::optional<ColumnRange> VisibleColumns(std::vector<float> widths, float origin_x, float pane_width);

// The indicator image a user-field text stands for, 0 for none. Only exact words count.
[[nodiscard]] std::uint16_t IndicatorBitmap(std::int32_t column_id, std::wstring_view text, bool selected);

// Which marker a column shows at its edges while a column is resized or dragged.
struct ColumnMarks {
    std::int32_t resize_column = -1;
    std::int32_t drop_target = -1;
};

class TablePainter {
public:
    // `first_column_right` is the right edge of column 0.
    TablePainter(DrawContext& dc, float scale, float row_height, float view_width, float first_column_right)
        : m_dc(dc), m_scale(scale), m_row_height(row_height), m_view_width(view_width),
          m_first_column_right(first_column_right) {}

    [[nodiscard]] float Indent(std::int32_t level) const { return static_cast<float>(level) * 20.0f * m_scale; }

    // The bands of levels 0 .. bands - 1 left of a row's own indentation, each that the Levels
    // list colours, each opened by a grey line unless told otherwise; a selected row keeps its
    // blue fill. A record row's bands end at column 0's right edge.
    void LevelBands(const GroupSortBy* grouping, const Row& row, std::int32_t bands, float y, bool selected,
                    bool edge_lines = true) const;
    // The grey line at a record row's own indentation, when that lies inside column 0.
    void LevelLine(std::int32_t level, float y) const;

    // One cell text, clipped to the cell, `pad` in from its left edge.
    void CellText(const TextStyle& style, Color color, std::wstring_view text, float x, float y, float width,
                  float pad) const;
    // The indicator image centred in the cell.
    void Indicator(std::uint16_t bitmap, float x, float y, float width) const;

    // The blue markers of a resize (at the right edge) or a drop target (at the left edge);
    // true when one was drawn.
    bool ColumnMarker(std::size_t column, const ColumnMarks& marks, float x, float width, float y) const;
    // The grey separator at a cell's right edge, unless a marker replaces it.
    void ColumnLine(std::size_t column, const ColumnMarks& marks, float x, float width, float y) const;

    // The group title across the row from its indentation, and the expander chevron left of it
    // (stored in `expander` when the row has children).
    void GroupTitle(const TextStyle& style, Color color, std::wstring_view title, std::int32_t level, float y) const;
    [[nodiscard]] RectF ExpanderBox(std::int32_t level, float y) const;
    // A record row's expander box, moved left where its row's indentation would put it over
    // column 0's right edge, so that it stays visible and can be clicked.
    [[nodiscard]] RectF InFirstColumn(RectF box) const;
    void Chevron(const RectF& box, bool expanded, Color color) const;

    // The grey lines above and below a row of a grouped table; `step_out` starts the top line
    // one level further left (a group row below a shallower row). Both start in column 0 at the
    // latest, so that the next columns have whole lines between their cells.
    void RowLines(std::int32_t level, bool step_out, float y) const;
    // The lines under the header and under the last painted row.
    void ClosingLines(float header_height, float y) const;
    // The line down the table's right edge, from the header to the content's bottom.
    void RightEdgeLine(float header_height, float content_height) const;

private:
    DrawContext& m_dc;
    float m_scale;
    float m_row_height;
    float m_view_width;
    float m_first_column_right;
};

}  // namespace varnholt::view
