// xls_reader_fuzz.cpp - libFuzzer entry: any bytes as the BIFF8 stream of a workbook, read by
// our record reader and loaded into sheets as the workbook import would. Must return without a
// crash, a hang or an unbounded allocation; the checks below trap when a read workbook breaks
// the reader's own promises.

#include "import/xls/biff_reader.h"
#include "import/xls/xls_sheet.h"

#include <cstddef>
#include <cstdint>

namespace {

void check(bool promise_kept) {
    if (!promise_kept) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    varnholt::biff_workbook book;
    if (!varnholt::biff_reader::parse({data, size}, book)) {
        check(book.sheets.empty());
        return 0;
    }
    for (std::uint32_t i = 0; i < book.sheets.size(); ++i) {
        const varnholt::biff_sheet& cells = book.sheets[i];
        check(cells.row_count >= 1 && cells.row_count <= varnholt::kMaxSheetRows);
        check(cells.column_count <= varnholt::kMaxSheetColumns);
        const varnholt::biff_cell* previous = nullptr;
        for (const varnholt::biff_cell& cell : cells.cells) {
            // Inside the sheet, by row then column, one per address, text never empty.
            check(cell.row < cells.row_count && cell.column < cells.column_count);
            check(previous == nullptr || previous->row < cell.row ||
                  (previous->row == cell.row && previous->column < cell.column));
            check(!book.cell_text(cell).empty());
            previous = &cell;
        }
        // What the import reads of every sheet: field names, captions and their lookups.
        const varnholt::xls_sheet sheet(&book, i);
        for (const auto& [name, column] : sheet.header_map()) {
            const varnholt::xls_column* found = sheet.find_column(name);
            check(found != nullptr && found->index() == column && found->header_text() == name);
        }
        for (const varnholt::xls_column& column : sheet.columns()) {
            check(column.caption() == sheet.caption_text(column.index()));
            (void)column.text(2);
        }
    }
    return 0;
}
