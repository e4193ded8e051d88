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
    const auto& list = m_kind == Kind::predecessors ? activity->predecessors : activity->successors;
    for (const TaskPredRecord* relationship : list) root.AddChild(std::make_unique<RelationshipRow>(relationship));
}

std::size_t RelationshipTableView::ColumnCount() const {
    const Layout* layout = GetLayout();
    if (layout == nullptr) return 0;
    const std::int32_t count = m_kind == Kind::predecessors ? layout->GetPredColumnCount() : layout->GetSuccColumnCount();
    return count > 0 ? static_cast<std::size_t>(count) : 0;
}

LayoutColumn* RelationshipTableView::Column(std::size_t index) const {
    const Layout* layout = GetLayout();
    if (layout == nullptr || index >= ColumnCount()) return nullptr;
    return m_kind == Kind::predecessors ? layout->GetPredColumn(index) : layout->GetSuccColumn(index);
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
    std::vector<float> widths;
    ForEachColumn([&widths](std::size_t, const LayoutColumn&, float, float cw) { widths.push_back(cw); });
    const ColumnHeader::Frame frame{static_cast<float>(dc.GetOriginY()), GetHeaderHeight(), GetWidth(), GetHeight()};
    m_header.Paint(dc, frame, widths, [&](std::size_t c, const RectF& cell) {
        ColumnHeader::PaintTitle(dc, *m_header_style, Column(c)->GetTitle(), cell);
    });
}

}  // namespace varnholt::view
