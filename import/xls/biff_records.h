// biff_records.h - walks the records of a BIFF8 workbook stream: ids, bounds-checked bodies and
// the CONTINUE records that carry the rest of a long record.
#pragma once

#include "import/xls/biff_status.h"

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <bit>
#include <span>
#include <vector>

namespace varnholt {

using byte_span = std::span<const std::uint8_t>;

// The records the reader looks at; every other id is skipped.
enum class biff_record_id : std::uint16_t {
    formula = 0x0006,
    eof = 0x000A,
    file_pass = 0x002F,    // the workbook is encrypted
    continue_ = 0x003C,    // the rest of the record before it
    bound_sheet = 0x0085,  // one sheet: name and offset of its substream
    mul_rk = 0x00BD,
    mul_blank = 0x00BE,
    rich_string = 0x00D6,  // RSTRING: a LABEL with formatting runs
    shared_strings = 0x00FC,
    label_sst = 0x00FD,
    dimensions = 0x0200,
    blank = 0x0201,
    number = 0x0203,
    label = 0x0204,
    bool_err = 0x0205,
    string = 0x0207,  // the text result of the FORMULA before it
    row = 0x0208,
    array = 0x0221,  // ARRAY, SHRFMLA and TABLE may stand between a FORMULA and its STRING
    table = 0x0236,
    rk = 0x027E,
    shared_formula = 0x04BC,
    bof = 0x0809,
};

struct biff_record {
    biff_record_id id{};
    std::size_t offset = 0;  // of the record header in the stream
    byte_span body;
};

// Little-endian fields of a record body. Callers check the body length first; the asserts
// only guard against our own miscounting.
[[nodiscard]] inline std::uint8_t read_u8(byte_span bytes, std::size_t at) {
    assert(at < bytes.size() && "field offset checked by the caller");
    return bytes[at];
}
[[nodiscard]] inline std::uint16_t read_u16(byte_span bytes, std::size_t at) {
    assert(at + 2 <= bytes.size() && "field offset checked by the caller");
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}
[[nodiscard]] inline std::uint32_t read_u32(byte_span bytes, std::size_t at) {
    assert(at + 4 <= bytes.size() && "field offset checked by the caller");
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}
[[nodiscard]] inline double read_f64(byte_span bytes, std::size_t at) {
    const std::uint64_t low = read_u32(bytes, at);
    const std::uint64_t high = read_u32(bytes, at + 4);
    return std::bit_cast<double>(high << 32 | low);
}

// Reads the records of [begin, end) of a stream one after the other. A record whose header or
// body would reach past `end` is refused as truncated; nothing past `end` is ever read.
class biff_record_cursor {
public:
    biff_record_cursor(byte_span stream, std::size_t begin, std::size_t end)
        : m_stream(stream.first(end)), m_position(begin) {
        assert(begin <= end && end <= stream.size() && "cursor range lies in the stream");
    }

    [[nodiscard]] bool at_end() const { return m_position >= m_stream.size(); }
    [[nodiscard]] std::size_t position() const { return m_position; }

    // The next record; fails with truncated_record when its header or body does not fit.
    [[nodiscard]] biff_status next(biff_record& out);

    // The body of `first` followed by the bodies of the CONTINUE records right after it, which
    // are consumed. Long strings run on from one body into the next.
    [[nodiscard]] biff_status take_continues(const biff_record& first,
                                             std::vector<byte_span>& segments);

private:
    [[nodiscard]] bool next_is_continue() const;

    byte_span m_stream;
    std::size_t m_position;
};

}  // namespace varnholt
