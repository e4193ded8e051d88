// RecordCells.h - the cells of a record row (a WBS element, a project) in the painted columns:
// an indicator image for a user field that holds one of the indicator words, else the value's
// text. The WBS and project tables draw their own column lines around them.
#pragma once

#include "views/grid/TablePainter.h"

#include <cstddef>
#include <functional>

namespace varnholt::view {

class Layout;
class Row;

struct RecordCellStyle {
    const TextStyle& style;
    bool selected;     // painted as selected: white text, the selected images
    float first_pad;   // column 0's text inset; the others' is 5 x s
};

// Paints the cells and calls `column_lines(column, x, width)` after each.
void PaintRecordCells(const Row& row, const Layout& layout, const ColumnRange& columns, const TablePainter& painter,
                      const RecordCellStyle& cell, float y, float scale,
                      const std::function<void(std::size_t, float, float)>& column_lines);

}  // namespace varnholt::view
