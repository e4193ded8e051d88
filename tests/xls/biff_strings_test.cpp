// biff_strings_test.cpp - strings of BIFF8 records: character widths, formatting runs and
// extension data, strings continued over CONTINUE records, the shared-string table.

#include "import/xls/biff_strings.h"

#include "biff_test_streams.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnholt {
namespace {

using test::bytes;
using test::join;
using test::u16;
using test::u32;
using test::u8;

std::vector<byte_span> segments_of(const std::vector<bytes>& parts) {
    return std::vector<byte_span>(parts.begin(), parts.end());
}

// Reads one string from the parts and reports what follows it (the next byte, or -1).
struct read_result { biff_error error = biff_error::none; std::string text; int next_byte = -1; };

read_result read_one(const std::vector<bytes>& parts,
                     biff_count_width width = biff_count_width::two_bytes) {
    const std::vector<byte_span> segments = segments_of(parts);
    biff_segment_reader reader(segments);
    read_result result;
    result.error = reader.read_string(width, result.text);
    std::uint8_t next = 0;
    if (result.error == biff_error::none && reader.read_u8(next)) result.next_byte = next;
    return result;
}

TEST(BiffStrings, RefusesDamagedStrings) {
    struct Case { const char* why; std::vector<bytes> parts; } const cases[] = {
        {"no bytes at all", {bytes{}}}, {"count cut short", {bytes{5}}},
        {"no option byte", {u16(1)}},
        {"more characters than the record holds and no CONTINUE",
         {join({u16(9), u8(0), bytes{'a', 'b'}})}},
        {"UTF-16 character split by the end of a record",
         {join({u16(2), u8(1), u16('a'), u8('b')}), join({u8(1), u8(0), u16('c')})}},
        {"odd byte left at the very end", {join({u16(2), u8(1), u16('a'), u8('b')})}},
        {"empty CONTINUE where characters should go on",
         {join({u16(2), u8(0), bytes{'a'}}), bytes{}}},
        {"formatting runs past the end", {join({u16(1), u8(0x08), u16(100), bytes{'a'}})}},
        {"extension size far past the end",
         {join({u16(1), u8(0x04), u32(0xFFFFFFFF), bytes{'a'}})}},
        {"run count cut short", {join({u16(1), u8(0x08), u8(1)})}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(read_one(c.parts).error, biff_error::bad_string);
    }
}

TEST(SharedStrings, RefusesCountsTheBytesCannotHold) {
    struct Case { const char* why; bytes body; biff_error error; } const cases[] = {
        {"counts missing", u32(1), biff_error::short_record},
        {"one string more than present", join({u32(2), u32(2), test::xl_string("only")}),
         biff_error::bad_shared_strings},
        {"four billion strings announced in a few bytes", join({u32(0), u32(0xFFFFFFFF)}),
         biff_error::bad_shared_strings},
        {"last string cut short", join({u32(1), u32(1), u16(10), u8(0), bytes{'a'}}),
         biff_error::bad_string},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const std::vector<byte_span> segments = {c.body};
        biff_text_pool pool;
        EXPECT_EQ(read_shared_strings(segments, pool), c.error);
    }
}

}  // namespace
}  // namespace varnholt
