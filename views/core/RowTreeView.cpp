// RowTreeView.cpp - the tree, metrics and hit tests the row-tree tables share.

#include "views/core/RowTreeView.h"

#include "layouts/Layout.h"
#include "layouts/LayoutColumn.h"
#include "rows/Row.h"
#include "rows/display_scale.h"
#include "rows/table_metrics.h"
#include "views/core/FlattenRows.h"
#include "views/core/RowList.h"

#include <algorithm>

namespace varnholt::view {

namespace {

std::int32_t FontSize(float scale) { return static_cast<std::int32_t>(15.0f * scale); }

// Index from a float, for row positions that are never negative in practice; a negative or
// non-finite quotient counts as 0.
std::size_t WholePart(float value) {
    if (!(value > 0.0f)) return 0;
    return static_cast<std::size_t>(std::min(value, 1e9f));
}

}  // namespace

RowTreeView::RowTreeView(float header_height)
    : m_header_style(TextStyle::New(L"Calibri", 14, Color::Black(), true)),
      m_cell_style(TextStyle::New(L"Calibri", 14, Color::Black(), false)),
      m_group_style(TextStyle::New(L"Calibri", 14, Color::Black(), true)),
      m_unscaled_header_height(header_height) {
    RowTreeView::SetScale();
}

RowTreeView::~RowTreeView() { DropTree(); }

void RowTreeView::DropTree() {
    ForgetSelection();
    ClearRowList();
    m_root.reset();
}

void RowTreeView::SetRoot(std::unique_ptr<Row> root) {
    DropTree();
    m_root = std::move(root);
}

void RowTreeView::ClearRowList() {
    GetRowList().Clear();
    m_painted = {};
}

void RowTreeView::Rebuild() {
    if (!CanBuild()) return;
    if (!HasTree()) {
        BuildTree();
        TreeBuilt();
    }
    ListRows();
}

void RowTreeView::ListRows() {
    ClearRowList();
    if (m_root != nullptr) FlattenRows(*m_root, GetRowList());
}

void RowTreeView::ExpandAll() {
    DropTree();
    Rebuild();
}

void RowTreeView::CollapseAll() {
    for (Row* row : GetRowList().Rows()) {
        row->selected = false;
        if (!row->children.empty()) row->expanded = false;
    }
    Rebuild();
}

void RowTreeView::SetScale() {
    const float scale = DisplayScale();
    m_header_height = m_unscaled_header_height * scale;
    m_row_height = kRowHeight * scale;
    for (TextStyle* style : {m_header_style.get(), m_cell_style.get(), m_group_style.get()}) style->SetSize(FontSize(scale));
}

float RowTreeView::GetHeight() const {
    return static_cast<float>(GetRowList().Size()) * m_row_height + m_header_height;
}

RowRange RowTreeView::PaintRows(float pane_height) {
    m_painted = {};
    if (m_row_height > 0.0f) {
        const std::size_t count = GetRowList().Size();
        const std::size_t first = WholePart(static_cast<float>(GetDrawContext().GetOriginY()) / m_row_height);
        const std::size_t last = std::min(count, first + WholePart(pane_height / m_row_height));
        m_painted = {std::min(first, last), last};
    }
    return m_painted;
}

PointF RowTreeView::ContentPoint(float x, float y) const {
    const DrawContext& dc = GetDrawContext();
    return {static_cast<float>(dc.GetOriginX()) + x, static_cast<float>(dc.GetOriginY()) + y};
}

bool RowTreeView::PaintsSelected(const Row& row) const { return row.selected && !GetDrawContext().IsPrinting(); }

void RowTreeView::SelectRowAt(PointF point) {
    const RowList& rows = GetRowList();
    for (std::size_t i = std::min(m_painted.last, rows.Size()); i > m_painted.first; --i) {
        if (Row* row = rows.At(i - 1); row->GetRect().Contains(point.x, point.y)) {
            SelectRow(row);
            return;
        }
    }
    SelectRow(nullptr);
}

Row* RowTreeView::ExpanderAt(PointF point, bool group_rows_only) const {
    const auto& rows = GetRowList().Rows();
    const std::size_t last = std::min(m_painted.last, rows.size());
    for (std::size_t i = m_painted.first; i < last; ++i) {
        Row& row = *rows[i];
        if ((row.IsGroupRow() || !group_rows_only) && row.GetExpanderRect().Contains(point.x, point.y)) return &row;
    }
    return nullptr;
}

bool RowTreeView::ToggleExpanderAt(PointF point, bool group_rows_only) {
    Row* row = ExpanderAt(point, group_rows_only);
    if (row == nullptr) return false;
    row->expanded = !row->expanded;
    return true;
}

float RowTreeView::UnscaledMinimumWidth(std::size_t column) const {
    if (column > 0) return 30.0f;
    return 30.0f + 20.0f * static_cast<float>(FirstColumnDepth());
}

float RowTreeView::MinimumWidth(std::size_t column) const { return UnscaledMinimumWidth(column) * DisplayScale(); }

std::int32_t RowTreeView::FirstColumnDepth() const { return GetRowList().GetDeepestLevel(); }

std::wstring RowTreeView::LayoutText(const CellText& cell) const {
    const Layout* layout = GetLayout();
    if (layout == nullptr) return {};
    const std::size_t columns = layout->GetColumnCount();
    const auto& rows = GetRowList().Rows();
    std::wstring text;
    text.reserve((rows.size() + 1) * columns * 12);
    for (std::size_t c = 0; c < columns; ++c) {
        text += layout->GetColumn(c)->GetTitle();
        text += L'\t';
    }
    text += L'\n';
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (r > 0) text += L'\n';
        for (std::size_t c = 0; c < columns; ++c) {
            if (c > 0) text += L'\t';
            text += cell(*rows[r], c, *layout->GetColumn(c));
        }
    }
    return text;
}

void RowTreeView::ResizeLayoutColumn(LayoutColumn& column, std::size_t index, float left, PointF point) const {
    column.width = UnscaledWidthBetween(left, std::max(point.x, left + MinimumWidth(index)));
}

}  // namespace varnholt::view
