// RelationshipTableMouse.cpp - resizing and moving the relationship columns, and selecting a
// row. Hit tests read the zones and cells of the last header paint.

#include "views/subtables/RelationshipTableView.h"

#include "layouts/Layout.h"
#include "rows/Row.h"
#include "rows/display_scale.h"
#include "views/core/HeaderDrag.h"
#include "views/core/RowList.h"

#include <algorithm>

namespace varnholt::view {

namespace {

// Open on the left and top edges, so a point on the line between two rows belongs to the upper.
bool RowHolds(const RectF& r, PointF p) { return r.x < p.x && p.x <= r.Right() && r.y < p.y && p.y <= r.Bottom(); }

}  // namespace

void RelationshipTableView::MoveColumn(std::size_t from, std::size_t to) {
    Layout* layout = GetLayout();
    if (layout == nullptr) return;
    if (m_kind == kPredecessors) layout->MovePredColumn(from, to);
    else if (m_kind == kSuccessors) layout->MoveSuccColumn(from, to);
}

bool RelationshipTableView::OnLButtonDown(std::uint32_t /*flags*/, float x, float y) {
    m_moved_column = -1;
    const PointF p = ContentPoint(x, y);
    bool result = false;
    if (const std::int32_t border = FirstHit(m_column_borders, p); border >= 0) {
        m_resize_column = border;
        result = true;
    }
    if (const std::int32_t cell = FirstHit(m_header_cells, p); cell >= 0) {
        m_drag_from = m_moved_column = cell;
        GetDrawContext().RequestCursor(CursorKind::size_all);
        result = true;
    }
    const auto& rows = GetRowList().Rows();
    const auto hit = std::find_if(rows.rbegin(), rows.rend(), [p](const Row* row) { return RowHolds(row->GetRect(), p); });
    SelectRow(hit != rows.rend() ? *hit : nullptr);
    return result;
}

bool RelationshipTableView::OnMouseMove(std::uint32_t flags, float x, float y) {
    const PointF p = ContentPoint(x, y);
    bool result = false;
    if (FirstHit(m_column_borders, p) >= 0) {
        GetDrawContext().RequestCursor(CursorKind::size_we);
        result = true;
    }
    if ((flags & kLeftButtonDown) != 0) {
        if (const std::int32_t target = DropTargetAt(m_header_cells, GetWidth(), p); target >= 0) {
            m_drag_to = target;
            if (static_cast<std::size_t>(target) < m_header_cells.size())
                GetDrawContext().RequestCursor(CursorKind::size_all);
            result = true;
        }
    }
    if (m_resize_column < 0) return result;
    ResizeColumn(p.x);
    return true;
}

// The border follows the pointer, but never closer to the column's left edge than the minimum.
void RelationshipTableView::ResizeColumn(float px) {
    const auto index = static_cast<std::size_t>(m_resize_column);
    LayoutColumn* column = Column(index);
    if (column == nullptr) return;  // the layout changed since the press
    const float scale = DisplayScale();
    float minimum = 30.0f * scale;
    if (index == 0) minimum = static_cast<float>(GetRowList().GetDeepestLevel()) * scale * 20.0f + scale * 30.0f;
    const float width = std::max(px - ColumnLeft(index), minimum);
    column->width = width / UsableDisplayScale();
}

bool RelationshipTableView::OnLButtonUp(std::uint32_t /*flags*/, float /*x*/, float /*y*/) {
    if (m_drag_from >= 0 && m_drag_to >= 0) {
        MoveColumn(static_cast<std::size_t>(m_drag_from), static_cast<std::size_t>(m_drag_to));
        m_moved_column = m_drag_to > m_drag_from ? m_drag_to - 1 : m_drag_to;
    }
    m_resize_column = m_drag_from = m_drag_to = -1;
    return true;
}

}  // namespace varnholt::view
