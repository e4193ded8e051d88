// TablePainter.cpp - row pieces of the grid tables. Lines come in two kinds: DrawLine for the
// thin grid lines, and the fixed pixel pens for column separators, markers and chevrons.

#include "views/grid/TablePainter.h"

#include "layouts/GroupSortBy.h"
#include "rows/Row.h"

#include <algorithm>
#include <utility>

namespace varnholt::view {

namespace {

struct IndicatorWord {
    std::wstring_view code;
    std::wstring_view colour;
    std::uint16_t bitmap;
};
// The selected row's image is 4 ids further on.
constexpr IndicatorWord kIndicatorWords[] = {
    {L"UDF_G1", L"Red", 174}, {L"UDF_G2", L"Yellow", 175}, {L"UDF_G3", L"Green", 176}, {L"UDF_G4", L"Blue", 177}};

bool IsUserFieldColumn(std::int32_t column_id) { return column_id > 100000 && column_id < 500000; }

}  // namespace

std::optional<ColumnRange> VisibleColumns(std::vector<float> widths, float origin_x, float pane_width) {
    const std::size_t count = widths.size();
    float left = 0.0f;
    for (std::size_t c = 0; c < count; ++c) {
        const float right = left + widths[c];
        if (right > origin_x) {
            ColumnRange range{c, count - 1, left, {}};
            for (std::size_t d = c; d < count; ++d) {
                left += widths[d];
                if (left > origin_x + pane_width) {
                    range.last = d;
                    break;
                }
            }
            range.widths = std::move(widths);
            return range;
        }
        left = right;
    }
    return std::nullopt;
}

std::uint16_t IndicatorBitmap(std::int32_t column_id, std::wstring_view text, bool selected) {
    if (!IsUserFieldColumn(column_id)) return 0;
    for (const IndicatorWord& word : kIndicatorWords) {
        if (text == word.code || text == word.colour) return selected ? word.bitmap + 4 : word.bitmap;
    }
    return 0;
}

void TablePainter::LevelBands(const GroupSortBy* grouping, const Row& row, std::int32_t bands, float y,
                              bool selected, bool edge_lines) const {
    if (grouping == nullptr) return;
    const float right = row.IsGroupRow() ? m_view_width : m_first_column_right;
    const auto& levels = grouping->levels;
    for (std::int32_t k = 0; k < bands && static_cast<std::size_t>(k) < levels.size(); ++k) {
        const float x = Indent(k);
        if (x >= right) return;
        if (levels[k] == nullptr) continue;
        if (!selected) {
            m_dc.FillRect(levels[k]->GetBackColor(), x, y, std::min(20.0f * m_scale, right - x), m_row_height);
        }
        if (edge_lines) m_dc.PenLine(1, Color::Gray(), x, y, x, y + m_row_height);
    }
}

void TablePainter::LevelLine(std::int32_t level, float y) const {
    const float x = Indent(level);
    if (x < m_first_column_right) m_dc.DrawLine(kPenSolid, 1.0f, Color::Gray(), x, y, x, y + m_row_height);
}

void TablePainter::CellText(const TextStyle& style, Color color, std::wstring_view text, float x, float y,
                            float width, float pad) const {
    m_dc.DrawTextWithFont(style.font_block, color, text, kCellTextFlags, {x + pad, y, width - pad, m_row_height});
}

void TablePainter::Indicator(std::uint16_t bitmap, float x, float y, float width) const {
    const float half = 7.0f * m_scale;
    m_dc.DrawBitmap(bitmap, x + width / 2 - half, y + m_row_height / 2 - half, 14.0f * m_scale, 14.0f * m_scale);
}

bool TablePainter::ColumnMarker(std::size_t column, const ColumnMarks& marks, float x, float width, float y) const {
    const auto c = static_cast<std::int32_t>(column);
    if (c == marks.resize_column) {
        m_dc.PenLine(2, Color::DarkBlue(), x + width, y, x + width, y + m_row_height);
        return true;
    }
    if (c == marks.drop_target) {
        m_dc.PenLine(2, Color::DarkBlue(), x, y, x, y + m_row_height);
        return true;
    }
    return false;
}

void TablePainter::ColumnLine(std::size_t column, const ColumnMarks& marks, float x, float width, float y) const {
    if (!ColumnMarker(column, marks, x, width, y)) m_dc.PenLine(1, Color::Gray(), x + width, y, x + width, y + m_row_height);
}

void TablePainter::GroupTitle(const TextStyle& style, Color color, std::wstring_view title, std::int32_t level,
                              float y) const {
    const float x = Indent(level);
    m_dc.DrawTextWithFont(style.font_block, color, title, kCellTextFlags, {x, y, m_view_width - x, m_row_height});
}

RectF TablePainter::ExpanderBox(std::int32_t level, float y) const {
    return {Indent(level) - 14.0f * m_scale, y + 5.0f * m_scale, 9.0f * m_scale, 9.0f * m_scale};
}

RectF TablePainter::InFirstColumn(RectF box) const {
    // The chevron's strokes reach a pixel past the box; one more keeps them off column 0's line.
    box.x = std::min(box.x, m_first_column_right - box.width - 2.0f * m_scale);
    return box;
}

void TablePainter::Chevron(const RectF& box, bool expanded, Color color) const {
    const PointF centre = box.Center();
    const PointF second = expanded ? PointF{box.x + 9.0f * m_scale - m_scale, box.y}
                                   : PointF{box.x, box.Bottom() - m_scale};
    m_dc.PenLine(2, color, box.x, box.y, centre.x, centre.y);
    m_dc.PenLine(2, color, second.x, second.y, centre.x, centre.y);
}

void TablePainter::RowLines(std::int32_t level, bool step_out, float y) const {
    const float x1 = std::min(Indent(step_out ? level - 1 : level), m_first_column_right);
    const float x2 = std::min(Indent(level), m_first_column_right);
    m_dc.DrawLine(kPenSolid, 1.0f, Color::Gray(), x1, y, m_view_width, y);
    m_dc.DrawLine(kPenSolid, 1.0f, Color::Gray(), x2, y + m_row_height, m_view_width, y + m_row_height);
}

void TablePainter::ClosingLines(float header_height, float y) const {
    m_dc.DrawLine(kPenSolid, 1.0f, Color::Gray(), 0.0f, header_height, m_view_width, header_height);
    m_dc.DrawLine(kPenSolid, 1.0f, Color::Gray(), 0.0f, y, m_view_width, y);
}

void TablePainter::RightEdgeLine(float header_height, float content_height) const {
    m_dc.DrawLine(kPenSolid, 1.0f, Color::Gray(), m_view_width, header_height, m_view_width, content_height);
}

}  // namespace varnholt::view
