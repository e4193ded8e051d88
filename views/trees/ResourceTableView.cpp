// ResourceTableView.cpp - the resource tree's layout columns: widths, header, cells, column
// moving and the clipboard text.

#include "views/trees/ResourceTableView.h"

#include "layouts/Layout.h"
#include "memo_text/HtmlToText.h"
#include "model/Document.h"
#include "model/records/RsrcRecord.h"
#include "views/base/Row.h"
#include "views/core/HeaderDrag.h"
#include "views/core/RowList.h"
#include "views/draw/display_scale.h"
#include "views/grid/RecordRows.h"
#include "views/trees/record_tree.h"

#include <algorithm>

namespace varnholt::view {

namespace {

constexpr std::int32_t kNotesField = 536;
constexpr std::uint32_t kTitleFlags = kCellTextFlags | kTextWordEllipsis;

}  // namespace

// Every paint and copy asks for the notes in view again, and a memo is long next to a cell.
std::wstring ResourceTableView::CellText(const Row& row, std::int32_t field_id) const {
    if (field_id != kNotesField) return row.GetCodeValue(field_id).to_string();
    const auto [entry, added] = m_notes_text.try_emplace(&row);
    if (added) {
        std::wstring text = row.GetCodeValue(field_id).to_string();
        entry->second = text.starts_with(L"<HTML>") ? HtmlToText::Convert(text, false) : std::move(text);
    }
    return entry->second;
}

void ResourceTableView::BuildRows(Row& root) const {
    m_notes_text.clear();  // before any new row can take the address of an old one
    AddRecordTree<ResourceRow>(root, GetDocument()->Rsrcs());
}

TreeSortKeys ResourceTableView::SortKeys(const Row& row) const {
    const RsrcRecord* resource = row.IsResourceRow() ? row.GetResource() : nullptr;
    if (resource == nullptr) return {};
    return {&resource->rsrc_seq_num, &resource->load_order};
}

std::size_t ResourceTableView::ColumnCount() const {
    const Layout* layout = GetLayout();
    return layout != nullptr ? layout->GetColumnCount() : 0;
}

float ResourceTableView::ColumnWidth(std::size_t column) const {
    const LayoutColumn* entry = GetLayout() != nullptr ? GetLayout()->GetColumn(column) : nullptr;
    return entry != nullptr ? entry->width * Scale() : 0.0f;
}

// Layouts keep widths at scale 1.
void ResourceTableView::SetColumnWidth(std::size_t column, float width) {
    if (LayoutColumn* entry = GetLayout() != nullptr ? GetLayout()->GetColumn(column) : nullptr)
        entry->width = width / UsableDisplayScale();
}

float ResourceTableView::GetWidth() const { return ColumnsLeftOf(ColumnCount()); }

std::wstring ResourceTableView::GetText() const {
    const Layout* layout = GetLayout();
    if (layout == nullptr) return {};
    const std::size_t columns = layout->GetColumnCount();
    const auto& rows = GetRowList().Rows();
    std::wstring text;
    for (std::size_t c = 0; c < columns; ++c) {
        text += layout->GetColumn(c)->GetTitle();
        text += L'\t';
    }
    text += L'\n';
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (r > 0) text += L'\n';
        for (std::size_t c = 0; c < columns; ++c) {
            if (c > 0) text += L'\t';
            text += CellText(*rows[r], layout->GetColumn(c)->field);
        }
    }
    return text;
}

bool ResourceTableView::OnLButtonDown(std::uint32_t /*flags*/, float x, float y) {
    m_pressed_column = -1;
    const PointF p = ContentPoint(x, y);
    bool result = false;
    if (const std::int32_t border = BorderAt(p); border >= 0) {
        m_resizing_column = border;
        result = true;
    }
    if (const std::int32_t cell = FirstHit(m_header_cells, p); cell >= 0) {
        m_drag_from_column = m_pressed_column = cell;
        GetDrawContext().RequestCursor(CursorKind::size_all);
        result = true;
    }
    SelectRowAt(p);
    return result;
}

// Hovering over a border only changes the cursor: the pane needs no repaint for it.
bool ResourceTableView::OnMouseMove(std::uint32_t flags, float x, float y) {
    const PointF p = ContentPoint(x, y);
    bool result = false;
    if (BorderAt(p) >= 0) GetDrawContext().RequestCursor(CursorKind::size_we);
    if ((flags & kLeftButtonDown) != 0) {
        if (const std::int32_t target = DropTargetAt(m_header_cells, GetWidth(), p); target >= 0) {
            m_drop_target_column = target;
            if (static_cast<std::size_t>(target) < m_header_cells.size())
                GetDrawContext().RequestCursor(CursorKind::size_all);
            result = true;
        }
    }
    return ResizeTo(p) || result;
}

bool ResourceTableView::OnLButtonUp(std::uint32_t /*flags*/, float x, float y) {
    Layout* layout = GetLayout();
    if (layout != nullptr && m_drag_from_column >= 0 && m_drop_target_column >= 0) {
        layout->MoveColumn(static_cast<std::size_t>(m_drag_from_column), static_cast<std::size_t>(m_drop_target_column));
        m_pressed_column =
            m_drop_target_column > m_drag_from_column ? m_drop_target_column - 1 : m_drop_target_column;
    }
    m_resizing_column = m_drag_from_column = m_drop_target_column = -1;
    ToggleExpanderAt(ContentPoint(x, y));
    return true;
}

void ResourceTableView::Draw(const RectF& visible) {
    if (!CanBuild()) return;
    const DrawContext& dc = GetDrawContext();
    m_painted_columns = VisibleColumns(*GetLayout(), static_cast<float>(dc.GetOriginX()), visible.width, Scale());
    TreeTableView::Draw(visible);
}

void ResourceTableView::DrawHeader() {
    Layout* layout = GetLayout();
    if (layout == nullptr) return;
    DrawContext& dc = GetDrawContext();
    const float s = Scale();
    const float oy = static_cast<float>(dc.GetOriginY());
    const float header_height = GetHeaderHeight();
    const float view_width = GetWidth();
    const float height = GetHeight();
    const std::size_t count = layout->GetColumnCount();

    m_border_zones.clear();
    m_header_cells.clear();
    dc.FillRect(Color::White(), 0.0f, oy, view_width, header_height);
    if (m_drop_target_column == static_cast<std::int32_t>(count))
        dc.PenLine(2, Color::DarkBlue(), view_width, oy, view_width, height);
    float x = 0.0f;
    for (std::size_t i = 0; i < count; ++i) {
        const LayoutColumn& column = *layout->GetColumn(i);
        const float w = column.width * s;
        const auto index = static_cast<std::int32_t>(i);
        if (index == m_drag_from_column || (index == m_pressed_column && !dc.IsPrinting()))
            dc.FillRect(Color::Blue(), x, oy, w, header_height);
        if (index == m_resizing_column) {
            dc.PenLine(2, Color::DarkBlue(), x + w, oy, x + w, height);
        } else if (index == m_drop_target_column) {
            dc.PenLine(2, Color::DarkBlue(), x, oy, x, height);
        } else {
            dc.PenLine(1, Color::Gray(), x + w, oy, x + w, oy + header_height);
        }
        dc.DrawText(*m_title_style, column.GetTitle(), kTitleFlags, {x + 5.0f * s, oy, w - 5.0f * s, header_height});
        m_border_zones.push_back({x + w - 3.0f * s, oy, 6.0f * s, header_height});
        m_header_cells.push_back({x + 4.0f * s, oy, w - 8.0f * s, header_height});
        x += w;
    }
    dc.PenLine(1, Color::LightGray(), 0.0f, oy, x, oy);
    dc.PenLine(1, Color::Gray(), 0.0f, oy + header_height, x, oy + header_height);
}

void ResourceTableView::DrawRow(Row& row, float y) {
    DrawContext& dc = GetDrawContext();
    const float width = GetWidth();
    const float row_height = GetRowHeight();
    const bool highlighted = row.selected && !dc.IsPrinting();
    if (ColumnCount() > 0) {
        if (highlighted) dc.FillRect(Color::Blue(), 0.0f, y, width, row_height);
        const RsrcRecord* resource = row.GetResource();
        if (resource != nullptr && !resource->children.empty()) DrawExpander(row, y, 5.0f * Scale());
        DrawCells(row, y, highlighted);
    }
    dc.PenLine(1, Color::Gray(), 0.0f, y + row_height, width, y + row_height);
}

// Only the columns in view; none when the pane is scrolled past the last column.
void ResourceTableView::DrawCells(const Row& row, float y, bool highlighted) {
    if (!m_painted_columns) return;
    const Layout& layout = *GetLayout();
    const float s = Scale();
    const TablePainter painter = Painter();
    const ColumnMarks marks{m_resizing_column, m_drop_target_column};
    const Color color = highlighted ? Color::White() : m_cell_style->GetColor();
    float x = m_painted_columns->x0;
    for (std::size_t j = m_painted_columns->first; j <= m_painted_columns->last; ++j) {
        const LayoutColumn& column = *layout.GetColumn(j);
        const float w = column.width * s;
        const std::wstring text = CellText(row, column.field);
        if (const std::uint16_t bitmap = IndicatorBitmap(column.field, text, highlighted); bitmap != 0) {
            painter.Indicator(bitmap, x, y, w);
        } else {
            const float inset = j == 0 ? 20.0f * s * static_cast<float>(row.level) : 5.0f * s;
            painter.CellText(*m_cell_style, color, text, x, y, w, inset);
        }
        painter.ColumnLine(j, marks, x, w, y);
        x += w;
    }
}

}  // namespace varnholt::view
