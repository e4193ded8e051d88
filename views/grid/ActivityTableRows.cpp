// ActivityTableRows.cpp - paints the activity table's visible rows and lays out the rectangles
// that the mouse hit-tests: each painted row's rectangle and each painted group row's expander.

#include "views/grid/ActivityTableView.h"

#include "layouts/GroupSortBy.h"
#include "layouts/Layout.h"
#include "views/base/Row.h"
#include "views/core/RowList.h"
#include "views/draw/display_scale.h"
#include "views/grid/RecordRows.h"

namespace varnholt::view {

bool ActivityTableView::CanPaint() const {
    return GridTableView::CanPaint() && GetLayout()->GetTaskView() != nullptr;
}

void ActivityTableView::DrawRows(const RectF& visible) {
    const Layout& layout = *GetLayout();
    DrawContext& dc = GetDrawContext();
    const float scale = DisplayScale();
    const float row_height = GetRowHeight();
    const auto& rows = GetRowList().Rows();
    const RowRange range = VisibleRows(static_cast<float>(dc.GetOriginY()), visible.height, row_height, rows.size());
    SetPaintedRows(range);
    const std::optional<ColumnRange> columns =
        VisibleColumns(layout, static_cast<float>(dc.GetOriginX()), visible.width, scale);
    const TablePainter painter(dc, scale, row_height, GetWidth());
    const bool grouped = GetGroupBy(0) != nullptr;

    float y = GetHeaderHeight() + static_cast<float>(range.first) * row_height;
    for (std::size_t i = range.first; i < range.last; ++i) {
        DrawRow(*rows[i], i, y, painter, columns ? &*columns : nullptr, grouped);
        y += row_height;
    }
    painter.ClosingLines(GetHeaderHeight(), y);
}

void ActivityTableView::DrawRow(Row& row, std::size_t index, float y, const TablePainter& painter,
                                const ColumnRange* columns, bool grouped) {
    const float width = GetWidth();
    const float row_height = GetRowHeight();
    row.rect = {0.0f, y + 1.0f, width, row_height - 1.0f};
    if (GetLayout()->GetColumnCount() == 0) return;
    const bool selected = PaintsSelected(row);
    if (selected) GetDrawContext().FillRect(Color::Blue(), 0.0f, y, width, row_height);
    if (grouped && row.level > 0) painter.LevelBands(Grouping(), row.level, y, selected);
    if (row.IsActivityRow()) {
        if (columns != nullptr) DrawActivityCells(row, y, painter, *columns, grouped);
    } else if (row.IsGroupRow() && Grouping() != nullptr) {
        DrawGroupRow(row, y, painter, columns);
    }
    if (!grouped) return;
    const Row* before = index > 0 ? GetRowList().At(index - 1) : nullptr;
    painter.RowLines(row.level, row.IsGroupRow() && before != nullptr && before->level < row.level, y);
}

void ActivityTableView::DrawActivityCells(const Row& row, float y, const TablePainter& painter,
                                          const ColumnRange& columns, bool grouped) {
    const Layout& layout = *GetLayout();
    const float scale = DisplayScale();
    const bool selected = PaintsSelected(row);
    const Color color = selected ? Color::White() : m_cell_style->GetColor();
    const ColumnMarks marks = Marks();
    float x = columns.x0;
    for (std::size_t c = columns.first; c <= columns.last; ++c) {
        const LayoutColumn& column = *layout.GetColumn(c);
        const float w = column.width * scale;
        const std::wstring text = row.GetCodeValue(column.field).to_string();
        if (const std::uint16_t bitmap = IndicatorBitmap(column.field, text, selected)) {
            painter.Indicator(bitmap, x, y, w);
        } else {
            const float pad = c > 0 ? 5.0f * scale : painter.Indent(grouped ? row.level + 1 : row.level);
            painter.CellText(*m_cell_style, color, text, x, y, w, pad);
        }
        painter.ColumnLine(c, marks, x, w, y);
        x += w;
    }
    if (grouped) {
        const float level_x = painter.Indent(row.level);
        GetDrawContext().DrawLine(kPenSolid, 1.0f, Color::Gray(), level_x, y, level_x, y + GetRowHeight());
    }
}

void ActivityTableView::DrawGroupRow(Row& row, float y, const TablePainter& painter, const ColumnRange* columns) {
    const GroupSortBy& grouping = *Grouping();
    DrawContext& dc = GetDrawContext();
    const float scale = DisplayScale();
    const float width = GetWidth();
    const bool selected = PaintsSelected(row);
    Color color = m_group_style->GetColor();
    const auto level_item = static_cast<std::size_t>(row.level - 1);
    if (row.level >= 1 && level_item < grouping.levels.size() && grouping.levels[level_item] != nullptr) {
        const GroupLevel& level = *grouping.levels[level_item];
        color = level.GetColor();
        const float x = painter.Indent(row.level);
        if (!selected) dc.FillRect(level.GetBackColor(), x, y, width - x, GetRowHeight());
    }
    const Color text_color = selected ? Color::White() : color;
    painter.GroupTitle(*m_group_style, text_color, static_cast<const GroupRow&>(row).GetTitle(), row.level, y);
    if (!row.children.empty()) {
        row.expander_rect = painter.ExpanderBox(row.level, y);
        painter.Chevron(row.expander_rect, row.expanded, color);
    }
    if (columns != nullptr) {
        const Layout& layout = *GetLayout();
        const ColumnMarks marks = Marks();
        float x = columns->x0;
        for (std::size_t c = columns->first; c <= columns->last; ++c) {
            const LayoutColumn& column = *layout.GetColumn(c);
            const float w = column.width * scale;
            if (c > 0) {
                painter.CellText(*m_group_style, text_color, row.GetCodeValue(column.field).to_string(), x, y, w,
                                 5.0f * scale);
            }
            painter.ColumnMarker(c, marks, x, w, y);
            x += w;
        }
    }
    dc.PenLine(1, Color::Gray(), width, y, width, y + GetRowHeight());
}

}  // namespace varnholt::view
