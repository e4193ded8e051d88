// TreeTableView.cpp - building, listing, metrics, mouse and the row loop of the tree tables.

#include "views/trees/TreeTableView.h"

#include "model/s_integers.h"
#include "rows/RecordRows.h"
#include "rows/Row.h"
#include "rows/display_scale.h"
#include "views/core/RowList.h"
#include "views/grid/StableSortRows.h"

#include <algorithm>

namespace varnholt::view {

TreeTableView::TreeTableView(bool movable_columns)
    : RowTreeView(20.0f), m_header({.zone_half_width = 3.0f, .cell_inset = 4.0f, .movable = movable_columns}) {}

float TreeTableView::Scale() { return DisplayScale(); }

void TreeTableView::BuildTree() {
    SetRoot(std::make_unique<RootRow>());
    BuildRows(*Root());
    SortTree(*Root());
}

bool TreeTableView::LessRow(const Row& a, const Row& b) const {
    const TreeSortKeys ka = SortKeys(a);
    const TreeSortKeys kb = SortKeys(b);
    if (ka.sequence == nullptr || kb.sequence == nullptr) return false;
    if (ka.sequence->as_int() == kb.sequence->as_int()) return ka.load_order->as_int() < kb.load_order->as_int();
    return ka.sequence->as_int() < kb.sequence->as_int();
}

// Level by level with an explicit stack: a resource chain read from a file may nest deeper than
// the call stack allows.
void TreeTableView::SortTree(Row& root) const {
    std::vector<Row*> pending{&root};
    while (!pending.empty()) {
        Row& row = *pending.back();
        pending.pop_back();
        StableSortRows(row.children, [this](const Row& a, const Row& b) { return LessRow(a, b); });
        for (const auto& child : row.children)
            if (SortKeys(*child).sequence != nullptr) pending.push_back(child.get());
    }
}

float TreeTableView::ColumnsLeftOf(std::size_t column) const {
    float left = 0.0f;
    for (std::size_t c = 0; c < column && c < ColumnCount(); ++c) left += ColumnWidth(c);
    return left;
}

std::vector<float> TreeTableView::DrawnColumnWidths() const {
    std::vector<float> widths;
    for (std::size_t k = 0; k < ColumnCount(); ++k) widths.push_back(ColumnWidth(k));
    return widths;
}

bool TreeTableView::ResizeTo(PointF point) {
    const std::int32_t resizing = m_header.ResizingColumn();
    if (resizing < 0) return false;
    const auto column = static_cast<std::size_t>(resizing);
    if (column >= ColumnCount()) return false;
    const float left = ColumnsLeftOf(column);
    SetColumnBorders(column, left, std::max(point.x, left + MinimumWidth(column)));
    return true;
}

bool TreeTableView::OnLButtonDown(std::uint32_t /*flags*/, float x, float y) {
    const PointF p = ContentPoint(x, y);
    const bool hit = m_header.Press(p, GetDrawContext());
    SelectRowAt(p);
    return hit;
}

// A fixed header repaints when the pointer is over a border; over a movable one the cursor
// changes, and the pane needs no repaint for it.
bool TreeTableView::OnMouseMove(std::uint32_t flags, float x, float y) {
    const PointF p = ContentPoint(x, y);
    const bool over_border = m_header.Hover(p, GetDrawContext()) && !m_header.Movable();
    const bool dragged = m_header.Drag(flags, p, GetWidth(), GetDrawContext());
    return ResizeTo(p) || dragged || over_border;
}

bool TreeTableView::OnLButtonUp(std::uint32_t /*flags*/, float x, float y) {
    const PointF p = ContentPoint(x, y);
    if (m_header.ReleaseResizes(p)) (void)ResizeTo(p);
    if (const auto move = m_header.Release()) MoveColumn(move->from, move->to);
    return ToggleExpanderAt(p);
}

void TreeTableView::Draw(const RectF& visible) {
    if (!CanBuild()) return;
    const float width = GetWidth();
    const float row_height = GetRowHeight();
    const auto& rows = GetRowList().Rows();
    const RowRange painted = PaintRows(visible.height);
    float y = GetHeaderHeight() + static_cast<float>(painted.first) * row_height;
    for (std::size_t i = painted.first; i < painted.last; ++i, y += row_height) {
        Row& row = *rows[i];
        row.rect = {0.0f, y + 1.0f, width, row_height - 1.0f};
        DrawRow(row, y);
    }
    Painter().ClosingLines(GetHeaderHeight(), y);
    DrawHeader();
}

void TreeTableView::DrawExpander(Row& row, float y, float top) {
    const float s = Scale();
    const TablePainter painter = Painter();
    row.expander_rect =
        painter.InFirstColumn({20.0f * s * static_cast<float>(row.level) - 14.0f * s, y + top, 9.0f * s, 9.0f * s});
    painter.Chevron(row.expander_rect, row.expanded, Color::Black());
}

void TreeTableView::DrawColumnHeader(const std::vector<std::wstring>& titles) {
    DrawContext& dc = GetDrawContext();
    const std::vector<float> widths = DrawnColumnWidths();
    const ColumnHeader::Frame frame{static_cast<float>(dc.GetOriginY()), GetHeaderHeight(), GetWidth(), GetHeight()};
    m_header.Paint(dc, frame, widths, [&](std::size_t k, const RectF& cell) {
        ColumnHeader::PaintTitle(dc, *m_header_style, k < titles.size() ? titles[k] : std::wstring(), cell);
    });
}

}  // namespace varnholt::view
