// RelationshipTableView.cpp - rows, width and painting of the relationship tables.

#include "views/subtables/RelationshipTableView.h"

#include "layouts/Layout.h"
#include "model/records/TaskRecord.h"
#include "rows/RecordRows.h"
#include "rows/Row.h"
#include "rows/display_scale.h"
#include "views/core/RowList.h"

namespace varnholt::view {

bool RelationshipTableView::CanBuild() const { return FlatTableView::CanBuild() && GetLayout() != nullptr; }

void RelationshipTableView::AddRows(Row& root, const Row& selected) {
    const TaskRecord* activity = SelectedActivity(selected);
    if (activity == nullptr) return;
    const auto* list = m_kind == kPredecessors ? &activity->predecessors
                       : m_kind == kSuccessors ? &activity->successors
                                               : nullptr;
    if (list == nullptr) return;
    for (const TaskPredRecord* relationship : *list) root.AddChild(std::make_unique<RelationshipRow>(relationship));
}

std::size_t RelationshipTableView::ColumnCount() const {
    const Layout* layout = GetLayout();
    if (layout == nullptr) return 0;
    const std::int32_t count = m_kind == kPredecessors ? layout->GetPredColumnCount()
                               : m_kind == kSuccessors ? layout->GetSuccColumnCount()
                                                       : 0;
    return count > 0 ? static_cast<std::size_t>(count) : 0;
}

LayoutColumn* RelationshipTableView::Column(std::size_t index) const {
    const Layout* layout = GetLayout();
    if (layout == nullptr || index >= ColumnCount()) return nullptr;
    return m_kind == kPredecessors ? layout->GetPredColumn(index) : layout->GetSuccColumn(index);
}

template <class Visit>
void RelationshipTableView::ForEachColumn(Visit visit) const {
    const float scale = DisplayScale();
    float x = 0.0f;
    for (std::size_t c = 0; c < ColumnCount(); ++c) {
        const LayoutColumn* column = Column(c);
        if (column == nullptr) continue;
        const float cw = column->width * scale;
        visit(c, *column, x, cw);
        x += cw;
    }
}

float RelationshipTableView::GetWidth() const {
    float width = 0.0f;
    ForEachColumn([&width](std::size_t, const LayoutColumn&, float, float cw) { width += cw; });
    return width;
}

float RelationshipTableView::ColumnLeft(std::size_t index) const {
    float left = 0.0f;
    ForEachColumn([&](std::size_t c, const LayoutColumn&, float x, float) {
        if (c == index) left = x;
    });
    return left;
}

void RelationshipTableView::Draw(const RectF& visible) {
    if (GetLayout() == nullptr) return;
    FlatTableView::Draw(visible);
}

void RelationshipTableView::DrawRows() {
    DrawContext& dc = GetDrawContext();
    const float scale = DisplayScale();
    const float width = GetWidth();
    const float h = GetRowHeight();
    const float inset = scale * 5.0f;
    float y = GetHeaderHeight();
    for (Row* row : GetRowList().Rows()) {
        row->rect = {0.0f, y + 1.0f, width, h - 1.0f};
        if (ColumnCount() > 0) {
            if (PaintsSelected(*row)) dc.FillRect(Color::Blue(), 0.0f, y, width, h);
            const Color color = CellColor(*row);
            ForEachColumn([&](std::size_t, const LayoutColumn& column, float x, float cw) {
                // Cells show as much as fits, without an ellipsis.
                dc.DrawTextWithFont(m_cell_style->font_block, color, row->GetCodeValue(column.field).to_string(),
                                    kTextSingleLine | kTextVCenter, {x + inset, y, cw - inset, h});
                dc.PenLine(1, Color::Gray(), x + cw, y, x + cw, y + h);
                dc.PenLine(1, Color::Gray(), x, y + h, x + cw, y + h);
            });
        }
        y += h;
    }
    DrawClosingLines(width, y);
}

void RelationshipTableView::DrawHeader() {
    DrawContext& dc = GetDrawContext();
    const float scale = DisplayScale();
    const float top = static_cast<float>(dc.GetOriginY());
    const float hh = GetHeaderHeight();
    const float width = GetWidth();
    const float height = GetHeight();

    m_column_borders.clear();
    m_header_cells.clear();
    dc.FillRect(Color::White(), 0.0f, top, width, hh);
    if (m_drag_to >= 0 && static_cast<std::size_t>(m_drag_to) == ColumnCount())
        dc.PenLine(2, Color::DarkBlue(), width, top, width, height);

    const float inset = scale * 5.0f;
    ForEachColumn([&](std::size_t c, const LayoutColumn& column, float x, float cw) {
        const auto index = static_cast<std::int32_t>(c);
        if (index == m_drag_from || (index == m_moved_column && !dc.IsPrinting()))
            dc.FillRect(Color::Blue(), x, top, cw, hh);
        if (index == m_resize_column) dc.PenLine(2, Color::DarkBlue(), x + cw, top, x + cw, height);
        else if (index == m_drag_to) dc.PenLine(2, Color::DarkBlue(), x, top, x, height);
        dc.PenLine(1, Color::Gray(), x + cw, top, x + cw, top + hh);
        dc.DrawTextWithFont(m_header_style->font_block, m_header_style->GetColor(), column.GetTitle(),
                            kTextSingleLine | kTextVCenter | kTextWordEllipsis, {x + inset, top, cw - inset, hh});
        m_column_borders.push_back({x + cw - 2.0f * scale, top, 4.0f * scale, hh});
        m_header_cells.push_back({x + 3.0f * scale, top, cw - 6.0f * scale, hh});
    });
    dc.PenLine(1, Color::LightGray(), 0.0f, top, width, top);
    dc.PenLine(1, Color::Gray(), 0.0f, top + hh, width, top + hh);
}

}  // namespace varnholt::view
