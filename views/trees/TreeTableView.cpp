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

TreeTableView::TreeTableView() : RowTreeView(20.0f) {}

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

std::int32_t TreeTableView::BorderAt(PointF point) const {
    const auto zone = std::find_if(m_border_zones.begin(), m_border_zones.end(),
                                   [&](const RectF& r) { return r.Contains(point.x, point.y); });
    return zone == m_border_zones.end() ? -1 : static_cast<std::int32_t>(zone - m_border_zones.begin());
}

bool TreeTableView::ResizeTo(PointF point) {
    if (m_resizing_column < 0) return false;
    const auto column = static_cast<std::size_t>(m_resizing_column);
    if (column >= ColumnCount()) return false;
    SetColumnWidth(column, std::max(point.x - ColumnsLeftOf(column), MinimumWidth(column)));
    return true;
}

bool TreeTableView::OnLButtonDown(std::uint32_t /*flags*/, float x, float y) {
    const PointF p = ContentPoint(x, y);
    bool result = false;
    if (const std::int32_t border = BorderAt(p); border >= 0) {
        m_resizing_column = border;
        result = true;
    }
    SelectRowAt(p);
    return result;
}

bool TreeTableView::OnMouseMove(std::uint32_t /*flags*/, float x, float y) {
    const PointF p = ContentPoint(x, y);
    bool result = false;
    if (BorderAt(p) >= 0) {
        GetDrawContext().RequestCursor(CursorKind::size_we);
        result = true;
    }
    return ResizeTo(p) || result;
}

bool TreeTableView::OnLButtonUp(std::uint32_t /*flags*/, float x, float y) {
    m_resizing_column = -1;
    return ToggleExpanderAt(ContentPoint(x, y));
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
    row.expander_rect = {20.0f * s * static_cast<float>(row.level) - 14.0f * s, y + top, 9.0f * s, 9.0f * s};
    Painter().Chevron(row.expander_rect, row.expanded, Color::Black());
}

void TreeTableView::DrawFixedHeader(const std::vector<std::wstring>& titles) {
    DrawContext& dc = GetDrawContext();
    const float s = Scale();
    const float oy = static_cast<float>(dc.GetOriginY());
    const float header_height = GetHeaderHeight();
    const float width = GetWidth();
    const float height = GetHeight();
    m_border_zones.clear();
    dc.FillRect(Color::White(), 0.0f, oy, width, header_height);
    float x = 0.0f;
    for (std::size_t k = 0; k < ColumnCount(); ++k) {
        const float w = ColumnWidth(k);
        if (static_cast<std::int32_t>(k) == m_resizing_column) {
            dc.PenLine(2, Color::DarkBlue(), x + w, oy, x + w, height);
        } else {
            dc.PenLine(1, Color::Gray(), x + w, oy, x + w, oy + header_height);
        }
        const std::wstring title = k < titles.size() ? titles[k] : std::wstring();
        dc.DrawText(*m_header_style, title, kCellTextFlags | kTextWordEllipsis,
                    {x + 5.0f * s, oy, w - 5.0f * s, header_height});
        m_border_zones.push_back({x + w - 3.0f * s, oy, 6.0f * s, header_height});
        x += w;
    }
    dc.PenLine(1, Color::LightGray(), 0.0f, oy, width, oy);
    dc.PenLine(1, Color::Gray(), 0.0f, oy + header_height, width, oy + header_height);
}

}  // namespace varnholt::view
