// biff_workbook.cpp - cell lookup and the text of each kind of cell.

#include "import/xls/biff_workbook.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <system_error>

namespace varnholt {

std::uint32_t biff_text_pool::add(std::string_view text) {
    m_bytes.append(text);
    m_ends.push_back(m_bytes.size());
    return static_cast<std::uint32_t>(m_ends.size() - 1);
}

std::string_view biff_text_pool::at(std::uint32_t index) const {
    assert(index < m_ends.size() && "text indexes come from add()");
    const std::size_t begin = index == 0 ? 0 : m_ends[index - 1];
    return std::string_view(m_bytes).substr(begin, m_ends[index] - begin);
}

const biff_cell* biff_sheet::find(std::uint32_t row, std::uint32_t column) const {
    const auto before = [](const biff_cell& cell, std::pair<std::uint32_t, std::uint32_t> key) {
        return cell.row != key.first ? cell.row < key.first : cell.column < key.second;
    };
    const auto it = std::lower_bound(cells.begin(), cells.end(), std::pair(row, column), before);
    if (it == cells.end() || it->row != row || it->column != column) return nullptr;
    return &*it;
}

std::string biff_workbook::cell_text(const biff_cell& cell) const {
    switch (cell.kind) {
    case biff_cell_kind::text: return std::string(texts.at(cell.text));
    case biff_cell_kind::number: return format_cell_number(cell.number);
    case biff_cell_kind::boolean: return std::string(kBooleanCellText);
    case biff_cell_kind::error: return std::string(kErrorCellText);
    }
    return {};
}

std::string biff_workbook::cell_text(const biff_sheet& sheet, std::uint32_t row,
                                     std::uint32_t column) const {
    const biff_cell* cell = sheet.find(row, column);
    return cell != nullptr ? cell_text(*cell) : std::string();
}

std::string format_cell_number(double value) {
    // The largest double has 309 integer digits; with sign, point and six decimals 317 chars.
    std::array<char, 330> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::fixed, 6);
    assert(ec == std::errc{} && "the buffer holds any double in fixed notation");
    if (ec != std::errc{}) return {};
    return std::string(buffer.data(), end);
}

}  // namespace varnholt
