// biff_records.cpp - record framing of a BIFF8 stream.

#include "import/xls/biff_records.h"

namespace varnholt {

namespace {

constexpr std::size_t kHeaderBytes = 4;  // id and body length, 16 bits each

}  // namespace

biff_status biff_record_cursor::next(biff_record& out) {
    const std::size_t left = m_stream.size() - m_position;
    if (left < kHeaderBytes) return biff_fail(biff_error::truncated_record, m_position);
    const std::uint16_t id = read_u16(m_stream, m_position);
    const std::uint16_t length = read_u16(m_stream, m_position + 2);
    if (length > left - kHeaderBytes) return biff_fail(biff_error::truncated_record, m_position);
    out.id = static_cast<biff_record_id>(id);
    out.offset = m_position;
    out.body = m_stream.subspan(m_position + kHeaderBytes, length);
    m_position += kHeaderBytes + length;
    return {};
}

bool biff_record_cursor::next_is_continue() const {
    const std::size_t left = m_stream.size() - m_position;
    return left >= kHeaderBytes &&
           read_u16(m_stream, m_position) == static_cast<std::uint16_t>(biff_record_id::continue_);
}

biff_status biff_record_cursor::take_continues(const biff_record& first,
                                               std::vector<byte_span>& segments) {
    segments.clear();
    segments.push_back(first.body);
    while (next_is_continue()) {
        biff_record part;
        if (auto status = next(part); !status) return status;
        segments.push_back(part.body);
    }
    return {};
}

}  // namespace varnholt
