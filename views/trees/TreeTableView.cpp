// TreeTableView.cpp - building, listing, metrics, mouse and the row loop of the tree tables.

#include "views/trees/TreeTableView.h"

#include "model/s_integers.h"
#include "rows/RecordRows.h"
#include "rows/Row.h"
#include "rows/display_scale.h"
#include "views/core/FlattenRows.h"
#include "views/core/RowList.h"
#include "views/grid/StableSortRows.h"

#include <algorithm>

namespace varnholt::view {

namespace {

std::int32_t FontSize(float scale) { return static_cast<std::int32_t>(15.0f * scale); }

}  // namespace

TreeTableView::TreeTableView()
    : m_title_style(TextStyle::New(L"Calibri", 14, Color::Black(), true)),
      m_cell_style(TextStyle::New(L"Calibri", 14, Color::Black(), false)),
      m_header_height(20.0f * DisplayScale()),
      m_row_height(18.0f * DisplayScale()) {
    m_title_style->SetSize(FontSize(DisplayScale()));
    m_cell_style->SetSize(FontSize(DisplayScale()));
}

// The list refers into the tree: empty it before the tree goes.
TreeTableView::~TreeTableView() { DropTree(); }

float TreeTableView::Scale() { return DisplayScale(); }

void TreeTableView::DropTree() {
    ForgetSelection();
    GetRowList().Clear();
    m_painted = {};
    m_root.reset();
}

void TreeTableView::Rebuild() {
    if (!CanBuild()) return;
    if (m_root == nullptr) BuildTree();
    m_painted = {};
    FlattenRows(*m_root, GetRowList());
}

void TreeTableView::BuildTree() {
    m_root = std::make_unique<RootRow>();
    BuildRows(*m_root);
    SortTree(*m_root);
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

void TreeTableView::ExpandAll() {
    DropTree();
    Rebuild();
}

void TreeTableView::CollapseAll() {
    for (Row* row : GetRowList().Rows()) {
        row->selected = false;
        if (!row->children.empty()) row->expanded = false;
    }
    Rebuild();
}

void TreeTableView::SetScale() {
    const float scale = DisplayScale();
    m_header_height = 20.0f * scale;
    m_row_height = 18.0f * scale;
    m_title_style->SetSize(FontSize(scale));
    m_cell_style->SetSize(FontSize(scale));
}

float TreeTableView::GetHeight() const {
    return static_cast<float>(GetRowList().Size()) * m_row_height + m_header_height;
}

float TreeTableView::ColumnsLeftOf(std::size_t column) const {
    float left = 0.0f;
    for (std::size_t c = 0; c < column && c < ColumnCount(); ++c) left += ColumnWidth(c);
    return left;
}

float TreeTableView::MinimumWidth(std::size_t column) const {
    const float scale = Scale();
    if (column > 0) return 30.0f * scale;
    return 30.0f * scale + 20.0f * scale * static_cast<float>(GetRowList().GetDeepestLevel());
}

PointF TreeTableView::ContentPoint(float x, float y) const {
    const DrawContext& dc = GetDrawContext();
    return {static_cast<float>(dc.GetOriginX()) + x, static_cast<float>(dc.GetOriginY()) + y};
}

void TreeTableView::SelectRowAt(PointF point) { SelectRow(PaintedRowAt(GetRowList(), m_painted, point)); }

bool TreeTableView::ToggleExpanderAt(PointF point) {
    const auto& rows = GetRowList().Rows();
    const std::size_t last = std::min(m_painted.last, rows.size());
    for (std::size_t i = m_painted.first; i < last; ++i) {
        if (rows[i]->GetExpanderRect().Contains(point.x, point.y)) {
            rows[i]->expanded = !rows[i]->expanded;
            return true;
        }
    }
    return false;
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
    DrawContext& dc = GetDrawContext();
    const float width = GetWidth();
    const auto& rows = GetRowList().Rows();
    m_painted = VisibleRows(static_cast<float>(dc.GetOriginY()), visible.height, m_row_height, rows.size());
    float y = m_header_height + static_cast<float>(m_painted.first) * m_row_height;
    for (std::size_t i = m_painted.first; i < m_painted.last; ++i, y += m_row_height) {
        Row& row = *rows[i];
        row.rect = {0.0f, y + 1.0f, width, m_row_height - 1.0f};
        DrawRow(row, y);
    }
    Painter().ClosingLines(m_header_height, y);
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
    const float width = GetWidth();
    const float height = GetHeight();
    m_border_zones.clear();
    dc.FillRect(Color::White(), 0.0f, oy, width, m_header_height);
    float x = 0.0f;
    for (std::size_t k = 0; k < ColumnCount(); ++k) {
        const float w = ColumnWidth(k);
        if (static_cast<std::int32_t>(k) == m_resizing_column) {
            dc.PenLine(2, Color::DarkBlue(), x + w, oy, x + w, height);
        } else {
            dc.PenLine(1, Color::Gray(), x + w, oy, x + w, oy + m_header_height);
        }
        const std::wstring title = k < titles.size() ? titles[k] : std::wstring();
        dc.DrawText(*m_title_style, title, kCellTextFlags | kTextWordEllipsis,
                    {x + 5.0f * s, oy, w - 5.0f * s, m_header_height});
        m_border_zones.push_back({x + w - 3.0f * s, oy, 6.0f * s, m_header_height});
        x += w;
    }
    dc.PenLine(1, Color::LightGray(), 0.0f, oy, width, oy);
    dc.PenLine(1, Color::Gray(), 0.0f, oy + m_header_height, width, oy + m_header_height);
}

}  // namespace varnholt::view
