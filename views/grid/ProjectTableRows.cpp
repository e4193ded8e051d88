// ProjectTableRows.cpp - paints the project table's visible rows. Level bands show whether or not
// the table is grouped; project rows get no grey separators and no lines between rows, and a
// column dragged over marks its left edge with a two-pixel line.

#include "views/grid/ProjectTableView.h"

#include "layouts/Layout.h"
#include "rows/Row.h"
#include "rows/display_scale.h"
#include "views/core/RowList.h"
#include "views/grid/RecordCells.h"

namespace varnholt::view {

void ProjectTableView::DrawRows(const RectF& visible) {
    const auto& rows = GetRowList().Rows();
    const RowPaint paint = BeginRowPaint(visible);
    const TablePainter painter = RowPainter();
    const bool grouped = GroupingEntry() != nullptr;
    float y = GetHeaderHeight() + static_cast<float>(paint.rows.first) * GetRowHeight();
    for (std::size_t i = paint.rows.first; i < paint.rows.last; ++i) {
        DrawRow(*rows[i], y, painter, paint.columns ? &*paint.columns : nullptr, grouped);
        y += GetRowHeight();
    }
    painter.ClosingLines(GetHeaderHeight(), y);
    painter.RightEdgeLine(GetHeaderHeight(), GetHeight());
}

void ProjectTableView::DrawRow(Row& row, float y, const TablePainter& painter, const ColumnRange* columns,
                               bool grouped) {
    if (!BeginRow(row, y)) return;
    painter.LevelBands(Grouping(), row, row.level, y, PaintsSelected(row));
    if (row.IsProjectRow()) {
        if (columns != nullptr) DrawProjectRow(row, y, painter, *columns, grouped);
    } else if (row.IsGroupRow() && Grouping() != nullptr) {
        DrawGroupRow(row, y, painter, columns);
    }
}

void ProjectTableView::DrawProjectRow(const Row& row, float y, const TablePainter& painter,
                                      const ColumnRange& columns, bool grouped) {
    const ColumnMarks marks = Marks();
    const float row_height = GetRowHeight();
    DrawContext& dc = GetDrawContext();
    const RecordCellStyle cell{*m_cell_style, PaintsSelected(row), painter.Indent(FirstCellDepth(row, grouped))};
    PaintRecordCells(row, *GetLayout(), columns, painter, cell, y, DisplayScale(), [&](std::size_t c, float x, float w) {
        const auto column = static_cast<std::int32_t>(c);
        if (column == marks.resize_column) {
            dc.PenLine(2, Color::DarkBlue(), x + w, y, x + w, y + row_height);
        } else if (column == marks.drop_target) {
            dc.DrawLine(kPenSolid, 2.0f, Color::DarkBlue(), x, y, x, y + row_height);
        }
    });
}

}  // namespace varnholt::view
