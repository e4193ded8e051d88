// RelationshipTableMouse.cpp - resizing and moving the relationship columns, and selecting a
// row. Hit tests read the zones and cells of the last header paint.

#include "views/subtables/RelationshipTableView.h"

#include "layouts/Layout.h"
#include "rows/Row.h"
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
    if (m_kind == Kind::predecessors) {
        layout->MovePredColumn(from, to);
    } else {
        layout->MoveSuccColumn(from, to);
    }
}

bool RelationshipTableView::OnLButtonDown(std::uint32_t /*flags*/, float x, float y) {
    const PointF p = ContentPoint(x, y);
    const bool hit = m_header.Press(p, GetDrawContext());
    const auto& rows = GetRowList().Rows();
    const auto row = std::find_if(rows.rbegin(), rows.rend(), [p](const Row* r) { return RowHolds(r->GetRect(), p); });
    SelectRow(row != rows.rend() ? *row : nullptr);
    return hit;
}

bool RelationshipTableView::OnMouseMove(std::uint32_t flags, float x, float y) {
    const PointF p = ContentPoint(x, y);
    const bool over_border = m_header.Hover(p, GetDrawContext());
    const bool dragged = m_header.Drag(flags, p, GetWidth(), GetDrawContext());
    if (m_header.ResizingColumn() < 0) return over_border || dragged;
    ResizeColumn(p);
    return true;
}

void RelationshipTableView::ResizeColumn(PointF point) {
    const auto index = static_cast<std::size_t>(m_header.ResizingColumn());
    LayoutColumn* column = Column(index);
    if (column == nullptr) return;  // the layout changed since the press
    ResizeLayoutColumn(*column, index, ColumnLeft(index), point);
}

bool RelationshipTableView::OnLButtonUp(std::uint32_t /*flags*/, float x, float y) {
    if (const PointF p = ContentPoint(x, y); m_header.ReleaseResizes(p)) ResizeColumn(p);
    if (const auto move = m_header.Release()) MoveColumn(move->from, move->to);
    return true;
}

}  // namespace varnholt::view
