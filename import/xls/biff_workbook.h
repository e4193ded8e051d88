// biff_workbook.h - what the BIFF8 reader keeps of a workbook: its sheets with their sizes, the
// cells that carry a value, and one pool for every text. Cells are small and refer to their
// text by index, so a string that a thousand cells share is stored once, and the memory a
// workbook takes stays proportional to its stream.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt {

// Texts stored back to back in one buffer.
class biff_text_pool {
public:
    // Index of the stored copy of `text`.
    std::uint32_t add(std::string_view text);
    [[nodiscard]] std::string_view at(std::uint32_t index) const;
    [[nodiscard]] std::size_t size() const { return m_ends.size(); }

private:
    std::string m_bytes;
    std::vector<std::size_t> m_ends;  // m_ends[i] is one past the last byte of text i
};

enum class biff_cell_kind : std::uint8_t {
    text,     // a label, shared string or text formula result (never empty: empty text is
              // read as no cell)
    number,   // a number, RK value or numeric formula result; dates are numbers too
    boolean,  // a boolean value or boolean formula result
    error,    // an error value or error formula result
};

struct biff_cell {
    std::uint16_t row = 0;
    std::uint16_t column = 0;
    biff_cell_kind kind = biff_cell_kind::text;
    std::uint32_t text = 0;  // pool index, for text cells
    double number = 0;       // for number cells
};

struct biff_sheet {
    std::string name;  // UTF-8
    // One past the last row, and the number of columns, that the sheet's DIMENSIONS and ROW
    // records and its cells reach. An empty sheet still has its one row 0.
    std::uint32_t row_count = 1;
    std::uint32_t column_count = 0;
    std::vector<biff_cell> cells;  // by row, then column; one per address

    // The cell at (row, column), or null when none carries a value there.
    [[nodiscard]] const biff_cell* find(std::uint32_t row, std::uint32_t column) const;
};

struct biff_workbook {
    std::vector<biff_sheet> sheets;  // in the workbook's order
    biff_text_pool texts;            // the shared strings first, then every other text

    // The cell's text as the workbook view shows it (see format_cell_number).
    [[nodiscard]] std::string cell_text(const biff_cell& cell) const;
    // The text of (row, column) of a sheet; empty for a blank or absent cell.
    [[nodiscard]] std::string cell_text(const biff_sheet& sheet, std::uint32_t row,
                                        std::uint32_t column) const;
};

// A number as C's "%lf" writes it in the "C" locale: fixed notation, six decimals, "." as the
// decimal point, no grouping, "inf" and "nan" spelled out. No locale is consulted.
[[nodiscard]] std::string format_cell_number(double value);

// The texts that stand for a boolean and for an error value, whatever the value is.
inline constexpr std::string_view kBooleanCellText = "bool";
inline constexpr std::string_view kErrorCellText = "error";

}  // namespace varnholt
