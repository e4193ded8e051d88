// biff_reader.cpp - the workbook globals (sheet list, shared strings) and the placement of the
// sheet substreams, with the workbook-wide limits.

#include "import/xls/biff_reader.h"

#include "import/xls/biff_sheet_reader.h"
#include "import/xls/biff_strings.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <string>
#include <vector>

namespace varnholt {

namespace {

constexpr std::uint16_t kBiff8Version = 0x0600;
constexpr std::uint16_t kGlobalsSubstream = 0x0005;
constexpr std::size_t kBofFixed = 4;         // version, substream type
constexpr std::size_t kBoundSheetFixed = 6;  // substream offset, visibility, sheet type
constexpr std::size_t kBoundSheetName = 6;   // where the sheet name starts

struct sheet_entry {
    std::size_t record_offset = 0;  // of the BOUNDSHEET, for error reports
    std::uint32_t substream = 0;    // offset of the sheet's BOF in the stream
};

class globals_reader {
public:
    globals_reader(byte_span stream, biff_workbook& book) : m_stream(stream), m_book(book) {}

    // Reads the globals substream; afterwards `end()` is where it stopped.
    [[nodiscard]] biff_status read();
    [[nodiscard]] const std::vector<sheet_entry>& entries() const { return m_entries; }
    [[nodiscard]] std::size_t end() const { return m_end; }
    [[nodiscard]] std::uint32_t shared_count() const { return m_shared_count; }

private:
    [[nodiscard]] biff_status read_bound_sheet(const biff_record& record);
    [[nodiscard]] biff_status read_shared_strings_record(const biff_record& record,
                                                         biff_record_cursor& cursor);

    byte_span m_stream;
    biff_workbook& m_book;
    std::vector<sheet_entry> m_entries;
    std::size_t m_end = 0;
    bool m_has_shared_strings = false;
    std::uint32_t m_shared_count = 0;
    std::vector<byte_span> m_segments;
};

biff_status globals_reader::read() {
    biff_record_cursor cursor(m_stream, 0, m_stream.size());
    biff_record record;
    if (auto status = cursor.next(record); !status || record.id != biff_record_id::bof) {
        return biff_fail(biff_error::no_workbook_bof, 0);
    }
    if (record.body.size() < kBofFixed) return biff_fail(biff_error::short_record, 0);
    if (read_u16(record.body, 0) != kBiff8Version) return biff_fail(biff_error::not_biff8, 0);
    if (read_u16(record.body, 2) != kGlobalsSubstream) {
        return biff_fail(biff_error::no_workbook_bof, 0);
    }

    for (;;) {
        if (cursor.at_end()) return biff_fail(biff_error::missing_eof, cursor.position());
        if (auto status = cursor.next(record); !status) return status;
        biff_status status;
        switch (record.id) {
        case biff_record_id::eof: m_end = cursor.position(); return {};
        case biff_record_id::file_pass: return biff_fail(biff_error::encrypted, record.offset);
        case biff_record_id::bound_sheet: status = read_bound_sheet(record); break;
        case biff_record_id::shared_strings:
            status = read_shared_strings_record(record, cursor);
            break;
        default: break;
        }
        if (!status) return status;
    }
}

biff_status globals_reader::read_bound_sheet(const biff_record& record) {
    if (record.body.size() < kBoundSheetFixed) {
        return biff_fail(biff_error::short_record, record.offset);
    }
    if (m_entries.size() >= kMaxSheets) return biff_fail(biff_error::too_large, record.offset);
    biff_sheet sheet;
    const byte_span segments[] = {record.body};
    biff_segment_reader reader(segments, kBoundSheetName);
    if (auto error = reader.read_string(biff_count_width::one_byte, sheet.name);
        error != biff_error::none) {
        return biff_fail(error, record.offset);
    }
    m_entries.push_back({record.offset, read_u32(record.body, 0)});
    m_book.sheets.push_back(std::move(sheet));
    return {};
}

biff_status globals_reader::read_shared_strings_record(const biff_record& record,
                                                       biff_record_cursor& cursor) {
    // Label cells refer to the shared strings by index: a second table would make them ambiguous.
    if (m_has_shared_strings) return biff_fail(biff_error::bad_shared_strings, record.offset);
    m_has_shared_strings = true;
    if (auto status = cursor.take_continues(record, m_segments); !status) return status;
    if (auto error = read_shared_strings(m_segments, m_book.texts); error != biff_error::none) {
        return biff_fail(error, record.offset);
    }
    m_shared_count = static_cast<std::uint32_t>(m_book.texts.size());
    return {};
}

// Reads the sheet substreams in stream order. Each must lie behind the globals and end before
// the next one starts, so no byte is read for two sheets and the work stays linear in the stream.
biff_status read_sheets(byte_span stream, const globals_reader& globals, biff_workbook& book) {
    const std::vector<sheet_entry>& entries = globals.entries();
    std::vector<std::size_t> order(entries.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return entries[a].substream < entries[b].substream;
    });

    std::size_t used_up_to = globals.end();
    std::uint64_t rows = 0;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const sheet_entry& entry = entries[order[k]];
        const std::size_t begin = entry.substream;
        const std::size_t next =
            k + 1 < order.size() ? entries[order[k + 1]].substream : stream.size();
        const std::size_t end = std::min(next, stream.size());
        if (begin < used_up_to || begin >= end) {
            return biff_fail(biff_error::bad_sheet_offset, entry.record_offset);
        }
        biff_sheet_reader reader(stream, book, globals.shared_count());
        biff_sheet& sheet = book.sheets[order[k]];
        if (auto status = reader.read(begin, end, sheet); !status) return status;
        rows += sheet.row_count;
        if (rows > kMaxWorkbookRows) return biff_fail(biff_error::too_large, begin);
        used_up_to = end;
    }
    return {};
}

// The wrapper copies the field names and captions (rows 0 and 1) of every sheet; a few shared
// strings of 32767 characters, named in those rows of many sheets, must not multiply into
// gigabytes.
biff_status check_header_texts(const biff_workbook& book) {
    std::size_t bytes = 0;
    for (const biff_sheet& sheet : book.sheets) {
        for (const biff_cell& cell : sheet.cells) {
            if (cell.row > 1) break;
            bytes += cell.kind == biff_cell_kind::text ? book.texts.at(cell.text).size() : 16;
        }
        if (bytes > kMaxHeaderTextBytes) return biff_fail(biff_error::too_large, 0);
    }
    return {};
}

}  // namespace

biff_status biff_reader::parse(byte_span stream, biff_workbook& out) {
    out = biff_workbook{};
    if (stream.size() > kMaxWorkbookStreamBytes) return biff_fail(biff_error::too_large, 0);

    biff_workbook book;
    globals_reader globals(stream, book);
    biff_status status = globals.read();
    if (status) status = read_sheets(stream, globals, book);
    if (status) status = check_header_texts(book);
    if (status) out = std::move(book);
    return status;
}

double rk_value(std::uint32_t rk) {
    constexpr std::uint32_t kTimes100 = 0x1;
    constexpr std::uint32_t kInteger = 0x2;
    double value = 0;
    if ((rk & kInteger) != 0) {
        // Arithmetic shift keeps the sign of the 30-bit integer.
        value = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
    } else {
        value = std::bit_cast<double>(static_cast<std::uint64_t>(rk & ~std::uint32_t{0x3}) << 32);
    }
    return (rk & kTimes100) != 0 ? value / 100 : value;
}

}  // namespace varnholt
