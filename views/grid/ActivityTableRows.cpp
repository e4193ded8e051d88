// ActivityTableRows.cpp - paints the activity table's visible rows and lays out the rectangles
// that the mouse hit-tests: each painted row's rectangle and each painted group row's expander.

#include "views/grid/ActivityTableView.h"

#include "layouts/GroupSortBy.h"
#include "layouts/Layout.h"
#include "rows/RecordRows.h"
#include "rows/Row.h"
#include "rows/display_scale.h"
#include "views/core/RowList.h"

namespace varnholt::view {

bool ActivityTableView::CanPaint() const {
    return GridTableView::CanPaint() && GetLayout()->GetTaskView() != nullptr;
}

void ActivityTableView::DrawRows(const RectF& visible) {
    const float row_height = GetRowHeight();
    const auto& rows = GetRowList().Rows();
    const RowPaint paint = BeginRowPaint(visible);
    const TablePainter painter = RowPainter();
    const bool grouped = GetGroupBy(0) != nullptr;

    float y = GetHeaderHeight() + static_cast<float>(paint.rows.first) * row_height;
    for (std::size_t i = paint.rows.first; i < paint.rows.last; ++i) {
        DrawRow(*rows[i], i, y, painter, paint.columns ? &*paint.columns : nullptr, grouped);
        y += row_height;
    }
    painter.ClosingLines(GetHeaderHeight(), y);
}

void ActivityTableView::DrawRow(Row& row, std::size_t index, float y, const TablePainter& painter,
                                const ColumnRange* columns, bool grouped) {
    if (!BeginRow(row, y)) return;
    const bool selected = PaintsSelected(row);
    if (grouped && row.level > 0) painter.LevelBands(Grouping(), row, row.level, y, selected);
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
        const float w = columns.widths[c];
        const std::wstring text = row.GetCodeValue(column.field).to_string();
        if (const std::uint16_t bitmap = IndicatorBitmap(column.field, text, selected)) {
            painter.Indicator(bitmap, x, y, w);
        } else {
            const float pad = c > 0 ? 5.0f * scale : painter.Indent(FirstCellDepth(row, grouped));
            painter.CellText(*m_cell_style, color, text, x, y, w, pad);
        }
        painter.ColumnLine(c, marks, x, w, y);
        x += w;
    }
    if (grouped) painter.LevelLine(row.level, y);
}

}  // namespace varnholt::view
