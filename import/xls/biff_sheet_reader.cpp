// biff_sheet_reader.cpp - the cell records of one sheet substream.

#include "import/xls/biff_sheet_reader.h"

#include "import/xls/biff_reader.h"
#include "import/xls/biff_strings.h"

#include <algorithm>

namespace varnholt {

namespace {

// Fixed parts of the records, in bytes.
constexpr std::size_t kCellHeader = 6;       // row, column, format index
constexpr std::size_t kLabelSstBody = 10;    // + shared string index
constexpr std::size_t kNumberBody = 14;      // + IEEE double
constexpr std::size_t kRkBody = 10;          // + RK value
constexpr std::size_t kBoolErrBody = 8;      // + value, error flag
constexpr std::size_t kFormulaFixed = 20;    // + result, options, reserved
constexpr std::size_t kDimensionsBody = 12;  // first/last+1 row (32 bits), first/last+1 column
constexpr std::size_t kRowBody = 6;          // row, first column, last column + 1
constexpr std::size_t kMulHeader = 4;        // row, first column
constexpr std::size_t kMulRkEntry = 6;       // format index + RK value
constexpr std::size_t kMulBlankEntry = 2;    // format index
constexpr std::size_t kMulTrailer = 2;       // last column

// A FORMULA result whose last two bytes are 0xFFFF is no double: its first byte says what it is.
constexpr std::uint16_t kNonNumericResult = 0xFFFF;
enum class formula_result : std::uint8_t { text = 0, boolean = 1, error = 2, empty_text = 3 };

// The records that may stand between a FORMULA and the STRING with its text result; any other
// record (a new FORMULA too) means the STRING is not coming.
bool keeps_text_result_pending(biff_record_id id) {
    return id == biff_record_id::string || id == biff_record_id::shared_formula ||
           id == biff_record_id::array || id == biff_record_id::table ||
           id == biff_record_id::continue_;
}

// The cells of a MULRK or MULBLANK record: one row, a run of columns from first to last, and
// one entry of entry_size bytes per column between them.
struct mul_run {
    std::uint16_t row = 0;
    std::uint16_t first = 0;
    std::uint16_t last = 0;
    std::size_t count = 0;
};

biff_status read_mul_run(const biff_record& record, std::size_t entry_size, mul_run& run) {
    const byte_span body = record.body;
    if (body.size() < kMulHeader + entry_size + kMulTrailer) {
        return biff_fail(biff_error::short_record, record.offset);
    }
    const std::size_t entries_bytes = body.size() - kMulHeader - kMulTrailer;
    run = {read_u16(body, 0), read_u16(body, 2), read_u16(body, body.size() - kMulTrailer),
           entries_bytes / entry_size};
    if (entries_bytes % entry_size != 0 || run.last < run.first || run.last - run.first + 1u != run.count) {
        return biff_fail(biff_error::bad_cell_address, record.offset);
    }
    return {};
}

}  // namespace

biff_status biff_sheet_reader::read(std::size_t begin, std::size_t end, biff_sheet& sheet) {
    biff_record_cursor cursor(m_stream, begin, end);
    biff_record record;
    if (auto status = cursor.next(record); !status || record.id != biff_record_id::bof) {
        return biff_fail(biff_error::bad_sheet_offset, begin);
    }
    if (record.body.size() < 4) return biff_fail(biff_error::short_record, record.offset);
    if (read_u16(record.body, 0) != 0x0600) return biff_fail(biff_error::not_biff8, record.offset);

    int depth = 1;
    while (depth > 0) {
        if (cursor.at_end()) return biff_fail(biff_error::missing_eof, cursor.position());
        if (auto status = cursor.next(record); !status) return status;
        if (!keeps_text_result_pending(record.id)) m_pending_text_result.reset();
        if (record.id == biff_record_id::bof) {
            // A chart embedded in the sheet is a substream of its own, with its own EOF.
            if (++depth > kMaxSubstreamDepth) return biff_fail(biff_error::too_deep, record.offset);
            continue;
        }
        if (record.id == biff_record_id::eof) {
            --depth;
            continue;
        }
        if (depth > 1) continue;
        if (auto status = read_record(record, cursor); !status) return status;
    }
    finish(sheet);
    return {};
}

biff_status biff_sheet_reader::read_record(const biff_record& record, biff_record_cursor& cursor) {
    const byte_span body = record.body;
    const auto needs = [&](std::size_t bytes) { return body.size() >= bytes; };
    const auto address = [&] { return cell_address{read_u16(body, 0), read_u16(body, 2)}; };
    const auto too_short = biff_fail(biff_error::short_record, record.offset);

    switch (record.id) {
    case biff_record_id::label_sst: {
        if (!needs(kLabelSstBody)) return too_short;
        const std::uint32_t index = read_u32(body, 6);
        if (index >= m_shared_count) return biff_fail(biff_error::bad_string_index, record.offset);
        return add_text(record, address(), index);
    }
    case biff_record_id::label:
    case biff_record_id::rich_string:
        // RSTRING's formatting runs follow the string; nothing after the text is read.
        if (!needs(kCellHeader)) return too_short;
        return read_text_record(record, cursor, kCellHeader, address());
    case biff_record_id::string:
        if (!m_pending_text_result) return {};  // a stray result with no formula: nothing to show
        {
            const cell_address at = *m_pending_text_result;
            m_pending_text_result.reset();
            return read_text_record(record, cursor, 0, at);
        }
    case biff_record_id::number:
        if (!needs(kNumberBody)) return too_short;
        return add_number(record, address(), read_f64(body, 6));
    case biff_record_id::rk:
        if (!needs(kRkBody)) return too_short;
        return add_number(record, address(), rk_value(read_u32(body, 6)));
    case biff_record_id::mul_rk: return read_mul_rk(record);
    case biff_record_id::blank:
        if (!needs(kCellHeader)) return too_short;
        return touch(record, address());
    case biff_record_id::mul_blank: return read_mul_blank(record);
    case biff_record_id::bool_err:
        if (!needs(kBoolErrBody)) return too_short;
        return add_kind(record, address(),
                        read_u8(body, 7) != 0 ? biff_cell_kind::error : biff_cell_kind::boolean);
    case biff_record_id::formula: return read_formula(record);
    case biff_record_id::dimensions: {
        if (!needs(kDimensionsBody)) return too_short;
        const std::uint32_t rows_end = read_u32(body, 4);
        const std::uint16_t columns_end = read_u16(body, 10);
        if (rows_end > kMaxSheetRows || columns_end > kMaxSheetColumns) {
            return biff_fail(biff_error::bad_dimensions, record.offset);
        }
        extend(rows_end > 0 ? rows_end - 1 : 0, columns_end);
        return {};
    }
    case biff_record_id::row: {
        if (!needs(kRowBody)) return too_short;
        const std::uint16_t columns_end = read_u16(body, 4);
        if (columns_end > kMaxSheetColumns) {
            return biff_fail(biff_error::bad_dimensions, record.offset);
        }
        extend(read_u16(body, 0), columns_end);
        return {};
    }
    default: return {};
    }
}

biff_status biff_sheet_reader::read_formula(const biff_record& record) {
    const byte_span body = record.body;
    if (body.size() < kFormulaFixed) return biff_fail(biff_error::short_record, record.offset);
    const cell_address at{read_u16(body, 0), read_u16(body, 2)};
    if (read_u16(body, 12) != kNonNumericResult) return add_number(record, at, read_f64(body, 6));

    switch (static_cast<formula_result>(read_u8(body, 6))) {
    case formula_result::text:
        if (auto status = touch(record, at); !status) return status;
        m_pending_text_result = at;
        return {};
    case formula_result::boolean: return add_kind(record, at, biff_cell_kind::boolean);
    case formula_result::error: return add_kind(record, at, biff_cell_kind::error);
    case formula_result::empty_text:
    default: return touch(record, at);
    }
}

biff_status biff_sheet_reader::read_text_record(const biff_record& record,
                                                biff_record_cursor& cursor, std::size_t start,
                                                cell_address at) {
    if (auto status = touch(record, at); !status) return status;
    if (auto status = cursor.take_continues(record, m_segments); !status) return status;
    biff_segment_reader reader(m_segments, start);
    if (auto error = reader.read_string(biff_count_width::two_bytes, m_text);
        error != biff_error::none) {
        return biff_fail(error, record.offset);
    }
    if (m_text.empty()) return {};
    return add_text(record, at, m_book.texts.add(m_text));
}

biff_status biff_sheet_reader::read_mul_rk(const biff_record& record) {
    mul_run run;
    if (auto status = read_mul_run(record, kMulRkEntry, run); !status) return status;
    for (std::size_t i = 0; i < run.count; ++i) {
        const double value = rk_value(read_u32(record.body, kMulHeader + i * kMulRkEntry + 2));
        const auto column = static_cast<std::uint16_t>(run.first + i);
        if (auto status = add_number(record, {run.row, column}, value); !status) return status;
    }
    return {};
}

biff_status biff_sheet_reader::read_mul_blank(const biff_record& record) {
    mul_run run;
    if (auto status = read_mul_run(record, kMulBlankEntry, run); !status) return status;
    // Blanks carry no text: only the last one counts towards the sheet's size.
    return touch(record, {run.row, run.last});
}

biff_status biff_sheet_reader::touch(const biff_record& record, cell_address at) {
    if (at.column >= kMaxSheetColumns) {
        return biff_fail(biff_error::bad_cell_address, record.offset);
    }
    extend(at.row, at.column + 1u);
    return {};
}

biff_status biff_sheet_reader::add_number(const biff_record& record, cell_address at,
                                          double value) {
    if (auto status = touch(record, at); !status) return status;
    m_cells.push_back({at.row, at.column, biff_cell_kind::number, 0, value});
    return {};
}

biff_status biff_sheet_reader::add_kind(const biff_record& record, cell_address at,
                                        biff_cell_kind kind) {
    if (auto status = touch(record, at); !status) return status;
    m_cells.push_back({at.row, at.column, kind, 0, 0});
    return {};
}

biff_status biff_sheet_reader::add_text(const biff_record& record, cell_address at,
                                        std::uint32_t text_index) {
    if (auto status = touch(record, at); !status) return status;
    // Empty text reads the same as no cell, so it is not kept.
    if (m_book.texts.at(text_index).empty()) return {};
    m_cells.push_back({at.row, at.column, biff_cell_kind::text, text_index, 0});
    return {};
}

void biff_sheet_reader::extend(std::uint32_t last_row, std::uint32_t columns) {
    m_last_row = std::max(m_last_row, last_row);
    m_columns = std::max(m_columns, columns);
}

void biff_sheet_reader::finish(biff_sheet& sheet) {
    const auto before = [](const biff_cell& a, const biff_cell& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    };
    std::stable_sort(m_cells.begin(), m_cells.end(), before);
    // Two records for one cell: the later one in the stream wins.
    std::vector<biff_cell> cells;
    cells.reserve(m_cells.size());
    for (const biff_cell& cell : m_cells) {
        if (!cells.empty() && cells.back().row == cell.row && cells.back().column == cell.column) {
            cells.back() = cell;
        } else {
            cells.push_back(cell);
        }
    }
    sheet.cells = std::move(cells);
    sheet.row_count = m_last_row + 1;
    sheet.column_count = m_columns;
}

}  // namespace varnholt
