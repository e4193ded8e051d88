// xls_sheet.cpp - loading a sheet's rows, columns and header map, and reading its cell texts.

#include "import/xls/xls_sheet.h"

namespace varnholt {

std::string xls_column::text(std::uint32_t row) const {
    return m_sheet != nullptr ? m_sheet->column_text(this, row) : std::string();
}

xls_sheet::xls_sheet(const biff_workbook* workbook, std::uint32_t index) {
    if (workbook == nullptr || index >= workbook->sheets.size()) return;
    m_workbook = workbook;
    m_sheet = &workbook->sheets[index];
    m_name = m_sheet->name;
    m_column_count = m_sheet->column_count;
    m_row_count = m_sheet->row_count;

    for (std::uint32_t c = 0; c < m_column_count; ++c) m_header_map.emplace(cell_text(0, c), c);
    m_rows.reserve(m_row_count);
    for (std::uint32_t r = 0; r < m_row_count; ++r) m_rows.push_back({this, r});
    m_columns.reserve(m_column_count);
    for (std::uint32_t c = 0; c < m_column_count; ++c) {
        m_columns.emplace_back(this, c, m_row_count >= 2 ? cell_text(1, c) : std::string());
    }
}

std::string xls_sheet::cell_text(std::uint32_t row, std::uint32_t column) const {
    if (m_sheet == nullptr || row >= m_row_count || column > m_column_count) return {};
    return m_workbook->cell_text(*m_sheet, row, column);
}

std::string xls_sheet::header_text(std::uint32_t column) const {
    if (column >= m_column_count || m_row_count < 1) return {};
    return cell_text(0, column);
}

std::string xls_sheet::caption_text(std::uint32_t column) const {
    if (column >= m_column_count || m_row_count < 2) return {};
    return cell_text(1, column);
}

const xls_column* xls_sheet::find_column(std::string_view name) const {
    // The header map holds each name with its first column, which is what a scan from the
    // left would find.
    const auto it = m_header_map.find(name);
    return it != m_header_map.end() ? &m_columns[it->second] : nullptr;
}

std::string xls_sheet::column_text(const xls_column* column, std::uint32_t row) const {
    if (column == nullptr || column->sheet() == nullptr || row >= m_row_count) return {};
    return cell_text(row, column->index());
}

}  // namespace varnholt
