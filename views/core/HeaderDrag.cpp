// HeaderDrag.cpp - hit tests of header cells, the drop gap of a header drag, and the column
// header's press, drag, release and paint.

#include "views/core/HeaderDrag.h"

#include "rows/display_scale.h"
#include "views/core/View.h"
#include "views/draw/TextStyle.h"

#include <algorithm>

namespace varnholt::view {

std::int32_t FirstHit(std::span<const RectF> rects, PointF point) {
    const auto hit = std::find_if(rects.begin(), rects.end(), [&](const RectF& r) { return r.Contains(point.x, point.y); });
    return hit != rects.end() ? static_cast<std::int32_t>(hit - rects.begin()) : -1;
}

std::int32_t DropTargetAt(std::span<const RectF> header_cells, float table_width, PointF point) {
    if (table_width < point.x) return static_cast<std::int32_t>(header_cells.size());
    return FirstHit(header_cells, point);
}

bool ColumnHeader::Press(PointF point, const DrawContext& dc) {
    m_moved = -1;
    m_pressed_at = point;
    bool hit = false;
    if (const std::int32_t border = FirstHit(m_border_zones, point); border >= 0) {
        m_resizing = border;
        hit = true;
    }
    if (const std::int32_t cell = FirstHit(m_cells, point); cell >= 0) {
        m_picked = m_moved = cell;
        dc.RequestCursor(CursorKind::size_all);
        hit = true;
    }
    return hit;
}

bool ColumnHeader::Hover(PointF point, const DrawContext& dc) const {
    if (FirstHit(m_border_zones, point) < 0) return false;
    dc.RequestCursor(CursorKind::size_we);
    return true;
}

bool ColumnHeader::Drag(std::uint32_t flags, PointF point, float table_width, const DrawContext& dc) {
    if (!m_metrics.movable || (flags & kLeftButtonDown) == 0) return false;
    const std::int32_t target = DropTargetAt(m_cells, table_width, point);
    if (target < 0) return false;
    m_drop_target = target;
    if (static_cast<std::size_t>(target) < m_cells.size()) dc.RequestCursor(CursorKind::size_all);
    return true;
}

std::optional<ColumnHeader::Move> ColumnHeader::Release() {
    std::optional<Move> move;
    if (m_picked >= 0 && m_drop_target >= 0) {
        move = Move{static_cast<std::size_t>(m_picked), static_cast<std::size_t>(m_drop_target)};
        // Dropped right of itself, the column lands one place left of the gap.
        m_moved = m_drop_target > m_picked ? m_drop_target - 1 : m_drop_target;
    }
    m_resizing = m_picked = m_drop_target = -1;
    return move;
}

void ColumnHeader::Paint(DrawContext& dc, const Frame& frame, std::span<const float> widths, const TitlePainter& title) {
    const float scale = DisplayScale();
    const float top = frame.top;
    const float bottom = top + frame.height;
    const float zone_half = m_metrics.zone_half_width * scale;
    const float inset = m_metrics.cell_inset * scale;
    m_border_zones.clear();
    m_cells.clear();
    dc.FillRect(Color::White(), 0.0f, top, frame.table_width, frame.height);
    if (m_drop_target == static_cast<std::int32_t>(widths.size()))
        dc.PenLine(2, Color::DarkBlue(), frame.table_width, top, frame.table_width, frame.table_height);

    float x = 0.0f;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        const float w = widths[i];
        const float right = x + w;
        const auto index = static_cast<std::int32_t>(i);
        // Printed pages leave out the mark of the column moved last.
        if (index == m_picked || (index == m_moved && !dc.IsPrinting())) dc.FillRect(Color::Blue(), x, top, w, frame.height);
        if (index == m_resizing) {
            dc.PenLine(2, Color::DarkBlue(), right, top, right, frame.table_height);
        } else if (index == m_drop_target) {
            dc.PenLine(2, Color::DarkBlue(), x, top, x, frame.table_height);
        } else {
            dc.PenLine(1, Color::Gray(), right, top, right, bottom);
        }
        title(i, {x, top, w, frame.height});
        m_border_zones.push_back({right - zone_half, top, 2.0f * zone_half, frame.height});
        if (m_metrics.movable) m_cells.push_back({x + inset, top, w - 2.0f * inset, frame.height});
        x = right;
    }
    dc.PenLine(1, Color::LightGray(), 0.0f, top, x, top);
    dc.PenLine(1, Color::Gray(), 0.0f, bottom, x, bottom);
}

void ColumnHeader::PaintTitle(DrawContext& dc, const TextStyle& style, std::wstring_view text, const RectF& cell) {
    const float pad = 5.0f * DisplayScale();
    dc.DrawText(style, text, kTextSingleLine | kTextVCenter | kTextWordEllipsis,
                {cell.x + pad, cell.y, cell.width - pad, cell.height});
}

}  // namespace varnholt::view
