// biff_strings.cpp - string assembly across CONTINUE records and UTF-16 to UTF-8.

#include "import/xls/biff_strings.h"

#include <algorithm>
#include <cassert>

namespace varnholt {

namespace {

// Option byte of a string.
constexpr std::uint8_t kWideCharacters = 0x01;  // UTF-16 characters; else one byte each
constexpr std::uint8_t kHasExtension = 0x04;    // a 32-bit size of extension data follows
constexpr std::uint8_t kHasRuns = 0x08;         // a 16-bit count of formatting runs follows

constexpr std::uint64_t kRunBytes = 4;  // character index and font index
// A string takes at least its count, its option byte and no characters.
constexpr std::size_t kSmallestSharedString = 3;

constexpr char32_t kReplacement = 0xFFFD;

bool is_high_surrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool is_low_surrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void append_code_point(char32_t code, std::string& out) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | code >> 6));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | code >> 12));
        out.push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | code >> 18));
        out.push_back(static_cast<char>(0x80 | (code >> 12 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

}  // namespace

void append_utf16_as_utf8(std::u16string_view units, std::string& out) {
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char32_t unit = units[i];
        if (is_high_surrogate(unit) && i + 1 < units.size() && is_low_surrogate(units[i + 1])) {
            const char32_t low = units[++i];
            append_code_point(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00), out);
        } else if (is_high_surrogate(unit) || is_low_surrogate(unit)) {
            append_code_point(kReplacement, out);
        } else {
            append_code_point(unit, out);
        }
    }
}

biff_segment_reader::biff_segment_reader(std::span<const byte_span> segments, std::size_t start)
    : m_segments(segments), m_position(start) {
    assert(!segments.empty() && start <= segments.front().size() && "start lies in the record");
}

std::size_t biff_segment_reader::available() {
    while (m_segment < m_segments.size() && m_position == m_segments[m_segment].size()) {
        if (m_segment + 1 == m_segments.size()) break;
        ++m_segment;
        m_position = 0;
    }
    return m_segments[m_segment].size() - m_position;
}

bool biff_segment_reader::at_end() { return available() == 0; }

bool biff_segment_reader::read_u8(std::uint8_t& out) {
    if (available() == 0) return false;
    out = m_segments[m_segment][m_position++];
    return true;
}

bool biff_segment_reader::read_u16(std::uint16_t& out) {
    std::uint8_t low = 0, high = 0;
    if (!read_u8(low) || !read_u8(high)) return false;
    out = static_cast<std::uint16_t>(low | high << 8);
    return true;
}

bool biff_segment_reader::read_u32(std::uint32_t& out) {
    std::uint16_t low = 0, high = 0;
    if (!read_u16(low) || !read_u16(high)) return false;
    out = static_cast<std::uint32_t>(low) | static_cast<std::uint32_t>(high) << 16;
    return true;
}

bool biff_segment_reader::skip(std::uint64_t count) {
    while (count > 0) {
        const std::size_t left = available();
        if (left == 0) return false;
        const std::size_t step = static_cast<std::size_t>(std::min<std::uint64_t>(count, left));
        m_position += step;
        count -= step;
    }
    return true;
}

biff_error biff_segment_reader::read_characters(std::size_t count, bool wide) {
    m_units.clear();
    while (count > 0) {
        std::size_t left = m_segments[m_segment].size() - m_position;
        if (left == 0) {
            // The characters go on in the next CONTINUE record, behind an option byte that
            // says how wide they are from there on.
            if (m_segment + 1 == m_segments.size()) return biff_error::bad_string;
            ++m_segment;
            m_position = 0;
            if (m_segments[m_segment].empty()) return biff_error::bad_string;
            wide = (m_segments[m_segment][m_position++] & kWideCharacters) != 0;
            continue;
        }
        const byte_span bytes = m_segments[m_segment];
        const std::size_t width = wide ? 2 : 1;
        const std::size_t take = std::min(count, left / width);
        for (std::size_t i = 0; i < take; ++i, m_position += width) {
            m_units.push_back(
                wide ? static_cast<char16_t>(bytes[m_position] | bytes[m_position + 1] << 8)
                     : static_cast<char16_t>(bytes[m_position]));
        }
        count -= take;
        left -= take * width;
        // One byte of a UTF-16 character left at the end of a record: the writer split the
        // character itself, so the rest of the string cannot be trusted.
        if (count > 0 && left != 0) return biff_error::bad_string;
    }
    return biff_error::none;
}

biff_error biff_segment_reader::read_string(biff_count_width count_width, std::string& utf8) {
    utf8.clear();
    std::uint16_t count = 0;
    if (count_width == biff_count_width::one_byte) {
        std::uint8_t short_count = 0;
        if (!read_u8(short_count)) return biff_error::bad_string;
        count = short_count;
    } else if (!read_u16(count)) {
        return biff_error::bad_string;
    }
    std::uint8_t options = 0;
    if (!read_u8(options)) return biff_error::bad_string;
    std::uint16_t runs = 0;
    std::uint32_t extension_bytes = 0;
    if ((options & kHasRuns) != 0 && !read_u16(runs)) return biff_error::bad_string;
    if ((options & kHasExtension) != 0 && !read_u32(extension_bytes)) return biff_error::bad_string;

    if (auto error = read_characters(count, (options & kWideCharacters) != 0);
        error != biff_error::none) {
        return error;
    }
    if (!skip(runs * kRunBytes + extension_bytes)) return biff_error::bad_string;
    append_utf16_as_utf8(m_units, utf8);
    return biff_error::none;
}

biff_error read_shared_strings(std::span<const byte_span> segments, biff_text_pool& pool) {
    assert(pool.size() == 0 && "shared string i must get pool index i");
    biff_segment_reader reader(segments);
    std::uint32_t total_uses = 0, unique_count = 0;
    if (!reader.read_u32(total_uses) || !reader.read_u32(unique_count)) {
        return biff_error::short_record;
    }
    std::size_t bytes = 0;
    for (const byte_span& segment : segments) bytes += segment.size();
    // A count that the bytes cannot hold is refused before anything is read for it.
    if (unique_count > bytes / kSmallestSharedString) return biff_error::bad_shared_strings;

    std::string text;
    for (std::uint32_t i = 0; i < unique_count; ++i) {
        if (reader.at_end()) return biff_error::bad_shared_strings;
        if (auto error = reader.read_string(biff_count_width::two_bytes, text);
            error != biff_error::none) {
            return error;
        }
        pool.add(text);
    }
    return biff_error::none;
}

}  // namespace varnholt
