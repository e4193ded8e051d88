// xls_sheet.h - one sheet of an opened workbook as the import sees it: cell texts (UTF-8) by row
// and column, with row 0 holding the field names and row 1 the captions. Everything is loaded
// when the sheet is built; afterwards it is read-only and every request copies its text.
#pragma once

#include "import/xls/biff_workbook.h"

#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace varnholt {

class xls_sheet;

// A row of a sheet; valid while its sheet lives.
struct xls_row {
    const xls_sheet* sheet = nullptr;
    std::uint32_t index = 0;
};

// A column of a sheet with its caption (the row-1 text); valid while its sheet lives.
class xls_column {
public:
    xls_column(const xls_sheet* sheet, std::uint32_t index, std::string caption)
        : m_sheet(sheet), m_index(index), m_caption(std::move(caption)) {}

    [[nodiscard]] const xls_sheet* sheet() const { return m_sheet; }
    [[nodiscard]] std::uint32_t index() const { return m_index; }
    [[nodiscard]] const std::string& caption() const { return m_caption; }

    // Shorthands for xls_sheet::column_text: a given row, row 0 (field name), row 1 (caption).
    [[nodiscard]] std::string text(std::uint32_t row) const;
    [[nodiscard]] std::string header_text() const { return text(0); }
    [[nodiscard]] std::string caption_text() const { return text(1); }

private:
    const xls_sheet* m_sheet;
    std::uint32_t m_index;
    std::string m_caption;
};

class xls_sheet {
public:
    // Loads sheet `index` of a parsed workbook, which must outlive the sheet. Without a
    // workbook, or for an index it does not have, the sheet is empty (no rows, no columns).
    xls_sheet(const biff_workbook* workbook, std::uint32_t index);

    // Rows and columns point back at the sheet, so it stays where it was built.
    xls_sheet(const xls_sheet&) = delete;
    xls_sheet& operator=(const xls_sheet&) = delete;

    [[nodiscard]] const std::string& name() const { return m_name; }
    // The number of columns. Each row also has one more, always empty, cell at this index.
    [[nodiscard]] std::uint32_t column_count() const { return m_column_count; }
    // One past the last row; an empty sheet still has its row 0.
    [[nodiscard]] std::uint32_t row_count() const { return m_row_count; }
    [[nodiscard]] std::span<const xls_row> rows() const { return m_rows; }
    [[nodiscard]] std::span<const xls_column> columns() const { return m_columns; }
    // Field name (row-0 text) to column; a name that occurs twice keeps its first column.
    [[nodiscard]] const std::map<std::string, std::uint32_t, std::less<>>& header_map() const {
        return m_header_map;
    }

    // Text of the cell; empty for a blank or absent cell and for a row at or past the row count
    // or a column past the column count.
    [[nodiscard]] std::string cell_text(std::uint32_t row, std::uint32_t column) const;
    // Row-0 text of a column below the column count, else empty.
    [[nodiscard]] std::string header_text(std::uint32_t column) const;
    // Row-1 text of a column below the column count, else empty.
    [[nodiscard]] std::string caption_text(std::uint32_t column) const;

    // The first column whose row-0 text equals `name` bytewise, or null.
    [[nodiscard]] const xls_column* find_column(std::string_view name) const;
    // Text of (row, the column's index); empty without a column or for a row past the last.
    [[nodiscard]] std::string column_text(const xls_column* column, std::uint32_t row) const;

private:
    const biff_workbook* m_workbook = nullptr;
    const biff_sheet* m_sheet = nullptr;
    std::string m_name;
    std::uint32_t m_column_count = 0;
    std::uint32_t m_row_count = 0;
    std::vector<xls_row> m_rows;
    std::vector<xls_column> m_columns;
    std::map<std::string, std::uint32_t, std::less<>> m_header_map;
};

}  // namespace varnholt
