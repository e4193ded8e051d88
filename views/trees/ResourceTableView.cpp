// ResourceTableView.cpp - the resource tree's layout columns: widths, header, cells, column
// moving and the clipboard text.

#include "views/trees/ResourceTableView.h"

#include "columns/field_ids.h"
#include "layouts/Layout.h"
#include "memo_text/HtmlToText.h"
#include "model/Document.h"
#include "model/records/RsrcRecord.h"
#include "rows/RecordRows.h"
#include "rows/Row.h"
#include "rows/display_scale.h"
#include "views/core/RowList.h"
#include "views/trees/record_tree.h"

namespace varnholt::view {

// Every paint and copy asks for the notes in view again, and a memo is long next to a cell.
std::wstring ResourceTableView::CellText(const Row& row, std::int32_t field_id) const {
    if (field_id != kResourceNotesField) return row.GetCodeValue(field_id).to_string();
    const auto [entry, added] = m_notes_text.try_emplace(&row);
    if (added) entry->second = HtmlToText::MarkedHtmlAsLine(row.GetCodeValue(field_id).to_string());
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
void ResourceTableView::SetColumnBorders(std::size_t column, float left, float right) {
    if (LayoutColumn* entry = GetLayout() != nullptr ? GetLayout()->GetColumn(column) : nullptr)
        entry->width = UnscaledWidthBetween(left, right);
}

float ResourceTableView::GetWidth() const { return ColumnsLeftOf(ColumnCount()); }

std::wstring ResourceTableView::GetText() const {
    return LayoutText([this](const Row& row, std::size_t, const LayoutColumn& column) { return CellText(row, column.field); });
}

void ResourceTableView::MoveColumn(std::size_t from, std::size_t to) {
    if (Layout* layout = GetLayout()) layout->MoveColumn(from, to);
}

bool ResourceTableView::OnLButtonUp(std::uint32_t flags, float x, float y) {
    TreeTableView::OnLButtonUp(flags, x, y);
    return true;
}

void ResourceTableView::Draw(const RectF& visible) {
    if (!CanBuild()) return;
    const DrawContext& dc = GetDrawContext();
    m_painted_columns = VisibleColumns(DrawnColumnWidths(), static_cast<float>(dc.GetOriginX()), visible.width);
    TreeTableView::Draw(visible);
}

void ResourceTableView::DrawHeader() {
    const Layout* layout = GetLayout();
    if (layout == nullptr) return;
    std::vector<std::wstring> titles;
    for (std::size_t i = 0; i < layout->GetColumnCount(); ++i) titles.push_back(layout->GetColumn(i)->GetTitle());
    DrawColumnHeader(titles);
}

void ResourceTableView::DrawRow(Row& row, float y) {
    DrawContext& dc = GetDrawContext();
    const float width = GetWidth();
    const float row_height = GetRowHeight();
    const bool highlighted = PaintsSelected(row);
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
    const ColumnMarks marks{m_header.ResizingColumn(), m_header.DropTarget()};
    const Color color = highlighted ? Color::White() : m_cell_style->GetColor();
    float x = m_painted_columns->x0;
    for (std::size_t j = m_painted_columns->first; j <= m_painted_columns->last; ++j) {
        const LayoutColumn& column = *layout.GetColumn(j);
        const float w = m_painted_columns->widths[j];
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
