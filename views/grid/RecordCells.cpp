// RecordCells.cpp - cell texts and indicator images of record rows.

#include "views/grid/RecordCells.h"

#include "layouts/Layout.h"
#include "rows/Row.h"

#include <string>

namespace varnholt::view {

void PaintRecordCells(const Row& row, const Layout& layout, const ColumnRange& columns, const TablePainter& painter,
                      const RecordCellStyle& cell, float y, float scale,
                      const std::function<void(std::size_t, float, float)>& column_lines) {
    const Color color = cell.selected ? Color::White() : cell.style.GetColor();
    float x = columns.x0;
    for (std::size_t c = columns.first; c <= columns.last; ++c) {
        const LayoutColumn& column = *layout.GetColumn(c);
        const float w = columns.widths[c];
        const std::wstring text = row.GetCodeValue(column.field).to_string();
        if (const std::uint16_t bitmap = IndicatorBitmap(column.field, text, cell.selected)) {
            painter.Indicator(bitmap, x, y, w);
        } else {
            painter.CellText(cell.style, color, text, x, y, w, c > 0 ? 5.0f * scale : cell.first_pad);
        }
        column_lines(c, x, w);
        x += w;
    }
}

}  // namespace varnholt::view
