// biff_sheet_reader.h - reads one sheet substream (BOF .. EOF) into a biff_sheet: its size from
// DIMENSIONS, ROW and the cells themselves, and one cell per record that carries a value.
// Used by biff_reader, which places the substreams and checks the workbook-wide limits.
#pragma once

#include "import/xls/biff_records.h"
#include "import/xls/biff_status.h"
#include "import/xls/biff_workbook.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varnholt {

class biff_sheet_reader {
public:
    // `book.texts` holds the shared strings as its first `shared_count` entries; texts of
    // labels and formula results are added behind them.
    biff_sheet_reader(byte_span stream, biff_workbook& book, std::uint32_t shared_count)
        : m_stream(stream), m_book(book), m_shared_count(shared_count) {}

    // Reads the substream that opens at `begin` and must close before `end` into `sheet`
    // (whose name is already set). Cells come out sorted by row and column.
    [[nodiscard]] biff_status read(std::size_t begin, std::size_t end, biff_sheet& sheet);

private:
    struct cell_address {
        std::uint16_t row = 0;
        std::uint16_t column = 0;
    };

    [[nodiscard]] biff_status read_record(const biff_record& record, biff_record_cursor& cursor);
    [[nodiscard]] biff_status read_formula(const biff_record& record);
    [[nodiscard]] biff_status read_text_record(const biff_record& record,
                                               biff_record_cursor& cursor, std::size_t start,
                                               cell_address at);
    [[nodiscard]] biff_status read_mul_rk(const biff_record& record);
    [[nodiscard]] biff_status read_mul_blank(const biff_record& record);

    // Counts the address into the sheet's size; refuses a column past the sheet's last.
    [[nodiscard]] biff_status touch(const biff_record& record, cell_address at);
    [[nodiscard]] biff_status add_number(const biff_record& record, cell_address at, double value);
    [[nodiscard]] biff_status add_kind(const biff_record& record, cell_address at,
                                       biff_cell_kind kind);
    [[nodiscard]] biff_status add_text(const biff_record& record, cell_address at,
                                       std::uint32_t text_index);
    void extend(std::uint32_t last_row, std::uint32_t columns);
    void finish(biff_sheet& sheet);

    byte_span m_stream;
    biff_workbook& m_book;
    std::uint32_t m_shared_count;

    std::vector<biff_cell> m_cells;
    std::uint32_t m_last_row = 0;
    std::uint32_t m_columns = 0;
    // A FORMULA whose text result is in the STRING record that follows it.
    std::optional<cell_address> m_pending_text_result;
    std::vector<byte_span> m_segments;  // scratch for strings continued over CONTINUE records
    std::string m_text;                 // scratch for one decoded string
};

}  // namespace varnholt
