// WBSTableRows.cpp - paints the WBS table's visible rows. Unlike the activity table it draws no
// grey column separators, band edges or lines between rows; a WBS row with child rows has a
// black chevron in column 0, laid out only while that column is painted.

#include "views/grid/WBSTableView.h"

#include "layouts/Layout.h"
#include "rows/Row.h"
#include "rows/display_scale.h"
#include "views/core/RowList.h"
#include "views/grid/RecordCells.h"

namespace varnholt::view {

void WBSTableView::DrawRows(const RectF& visible) {
    const auto& rows = GetRowList().Rows();
    const RowPaint paint = BeginRowPaint(visible);
    const TablePainter painter = RowPainter();
    float y = GetHeaderHeight() + static_cast<float>(paint.rows.first) * GetRowHeight();
    for (std::size_t i = paint.rows.first; i < paint.rows.last; ++i) {
        DrawRow(*rows[i], y, painter, paint.columns ? &*paint.columns : nullptr);
        y += GetRowHeight();
    }
    painter.ClosingLines(GetHeaderHeight(), y);
    painter.RightEdgeLine(GetHeaderHeight(), GetHeight());
}

void WBSTableView::DrawRow(Row& row, float y, const TablePainter& painter, const ColumnRange* columns) {
    if (!BeginRow(row, y)) return;
    // A WBS row shows one band fewer than a group row of its level.
    const std::int32_t bands = row.IsGroupRow() ? row.level : row.level - 1;
    painter.LevelBands(Grouping(), row, bands, y, PaintsSelected(row), false);
    if (row.IsWBSRow()) {
        if (columns != nullptr) DrawWbsRow(row, y, painter, *columns);
    } else if (row.IsGroupRow() && Grouping() != nullptr) {
        DrawGroupRow(row, y, painter, columns);
    }
}

void WBSTableView::DrawWbsRow(Row& row, float y, const TablePainter& painter, const ColumnRange& columns) {
    const ColumnMarks marks = Marks();
    const RecordCellStyle cell{*m_cell_style, PaintsSelected(row), painter.Indent(FirstCellDepth(row, false))};
    PaintRecordCells(row, *GetLayout(), columns, painter, cell, y, DisplayScale(),
                     [&](std::size_t c, float x, float w) { painter.ColumnMarker(c, marks, x, w, y); });
    if (row.children.empty() || columns.first != 0) return;
    row.expander_rect = painter.InFirstColumn(painter.ExpanderBox(row.level, y));
    painter.Chevron(row.expander_rect, row.expanded, Color::Black());
}

}  // namespace varnholt::view
