// biff_strings.h - BIFF8 strings to UTF-8. A string has a character count, an option byte
// (8-bit "compressed" or UTF-16 characters, formatting runs, extension data), its characters and
// then the runs and extension data, which we skip. A long string runs on into CONTINUE records;
// where its characters cross into one, that record opens with a fresh option byte, because the
// character width may change there.
#pragma once

#include "import/xls/biff_records.h"
#include "import/xls/biff_status.h"
#include "import/xls/biff_workbook.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace varnholt {

// How wide the character count in front of a string is.
enum class biff_count_width : std::uint8_t {
    one_byte,   // sheet names (BOUNDSHEET)
    two_bytes,  // shared strings, labels, formula text results
};

// Reads bytes in order across a record body and the CONTINUE bodies after it. Views the
// segments; they must outlive the reader.
class biff_segment_reader {
public:
    explicit biff_segment_reader(std::span<const byte_span> segments, std::size_t start = 0);

    [[nodiscard]] bool at_end();
    [[nodiscard]] bool read_u8(std::uint8_t& out);
    [[nodiscard]] bool read_u16(std::uint16_t& out);
    [[nodiscard]] bool read_u32(std::uint32_t& out);
    [[nodiscard]] bool skip(std::uint64_t count);

    // Reads one string and replaces `utf8` with its text. Fails with bad_string when the
    // string reaches past the last segment or a segment ends inside a UTF-16 character.
    [[nodiscard]] biff_error read_string(biff_count_width count_width, std::string& utf8);

private:
    // Bytes left in the current segment, moving past used-up segments first.
    [[nodiscard]] std::size_t available();
    [[nodiscard]] biff_error read_characters(std::size_t count, bool wide);

    std::span<const byte_span> m_segments;
    std::size_t m_segment = 0;
    std::size_t m_position = 0;  // inside m_segments[m_segment]
    std::u16string m_units;      // characters of the string being read
};

// UTF-16 code units as UTF-8; a surrogate without its partner becomes U+FFFD.
void append_utf16_as_utf8(std::u16string_view units, std::string& out);

// Reads the strings of an SST record (segments: its body, then its CONTINUE bodies) into the
// pool, which must be empty so that string i gets pool index i. Fails with short_record when the
// counts are missing, bad_shared_strings when fewer strings follow than the SST announces, and
// bad_string for a damaged string.
[[nodiscard]] biff_error read_shared_strings(std::span<const byte_span> segments,
                                             biff_text_pool& pool);

}  // namespace varnholt
