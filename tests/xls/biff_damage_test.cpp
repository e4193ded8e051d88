// biff_damage_test.cpp - damaged and hostile BIFF8 streams: each is refused with the error and
// the record at fault, leaves no half-read workbook behind, and cannot make the reader allocate
// far beyond what the stream holds.

#include "import/xls/biff_reader.h"

#include "biff_test_streams.h"

#include <gtest/gtest.h>

#include <string>

namespace varnholt {
namespace {

using test::bytes;
using test::join;
using test::u16;
using test::u32;
using test::u8;

constexpr std::uint16_t kStreamStart = 0xFFFE;  // the stream as a whole is at fault
constexpr std::uint16_t kStreamEnd = 0xFFFF;    // the error lies where the stream ends

// Offset of the nth record with the given id, walking the stream's records front to back.
std::size_t record_offset(const bytes& stream, std::uint16_t id, int nth = 0) {
    if (id == kStreamStart) return 0;
    if (id == kStreamEnd) return stream.size();
    for (std::size_t at = 0; at + 4 <= stream.size();) {
        const std::uint16_t here = static_cast<std::uint16_t>(stream[at] | stream[at + 1] << 8);
        if (here == id && nth-- == 0) return at;
        at += 4 + static_cast<std::size_t>(stream[at + 2] | stream[at + 3] << 8);
    }
    ADD_FAILURE() << "no record " << id;
    return 0;
}

// The stream with the 32-bit field at `at` replaced.
bytes patched(bytes stream, std::size_t at, std::uint32_t value) {
    const bytes field = u32(value);
    std::copy(field.begin(), field.end(), stream.begin() + static_cast<std::ptrdiff_t>(at));
    return stream;
}

// Where the BOUNDSHEET offset of the nth sheet is stored.
std::size_t sheet_offset_field(const bytes& stream, int nth = 0) {
    return record_offset(stream, test::rec::kBoundSheet, nth) + 4;
}

bytes with_sheet_offset(const bytes& stream, std::uint32_t offset, int nth = 0) {
    return patched(stream, sheet_offset_field(stream, nth), offset);
}

bytes without_last_bytes(bytes stream, std::size_t count) {
    stream.resize(stream.size() - count);
    return stream;
}

bytes globals_only(const bytes& records) { return join({test::bof(0x0005), records, test::eof()}); }

bytes two_sheets() {
    return test::workbook_stream({{"A", test::number(0, 0, 1)}, {"B", test::number(0, 0, 2)}});
}

bytes one_sheet() { return test::one_sheet_stream(test::number(0, 0, 1)); }

// A workbook whose sheet substream opens with a BOF of another BIFF version.
bytes sheet_of_version(std::uint16_t version) {
    const bytes globals_and_sheet = test::workbook_stream({{"S", {}}});
    return patched(globals_and_sheet, record_offset(globals_and_sheet, test::rec::kBof, 1) + 4,
                   version | std::uint32_t{0x0010} << 16);
}

TEST(BiffDamage, RefusesEachDamageAtItsRecord) {
    struct Case {
        const char* why;
        bytes stream;
        biff_error error;
        std::uint16_t at_id;  // the record at fault: first (or nth) record of this id
        int nth = 0;
    };
    const std::uint16_t bof = test::rec::kBof;
    const Case cases[] = {
        {"empty stream", {}, biff_error::no_workbook_bof, kStreamStart},
        {"text, not records", bytes{'E', 'R', 'M', 'H', 'D', 'R', '\t', '8'},
         biff_error::no_workbook_bof, kStreamStart},
        {"header cut short", bytes{0x09, 0x08, 0x10}, biff_error::no_workbook_bof, kStreamStart},
        {"BIFF5 workbook", join({test::bof(0x0005, 0x0500), test::eof()}), biff_error::not_biff8,
         bof},
        {"opens with a worksheet", join({test::bof(0x0010), test::eof()}),
         biff_error::no_workbook_bof, bof},
        {"BOF too short", test::record(bof, u16(0x0600)), biff_error::short_record, bof},
        {"encrypted", globals_only(test::record(test::rec::kFilePass, bytes(6, 0))),
         biff_error::encrypted, test::rec::kFilePass},
        {"globals without EOF", test::bof(0x0005), biff_error::missing_eof, kStreamEnd},
        {"record body past the end", join({test::bof(0x0005), u16(0x0085), u16(100), bytes(8, 0)}),
         biff_error::truncated_record, test::rec::kBoundSheet},
        {"second SST",
         globals_only(join({test::sst({test::xl_string("a")}), test::sst({test::xl_string("b")})})),
         biff_error::bad_shared_strings, test::rec::kSst, 1},
        {"SST announces more strings than it holds",
         globals_only(test::record(test::rec::kSst, join({u32(3), u32(3), test::xl_string("a")}))),
         biff_error::bad_shared_strings, test::rec::kSst},
        {"CONTINUE splits an SST string inside a UTF-16 character",
         globals_only(join({test::record(test::rec::kSst,
                                         join({u32(1), u32(1), u16(2), u8(1), u16('a'), u8('b')})),
                            test::record(test::rec::kContinue, join({u8(1), u8(0), u16('c')}))})),
         biff_error::bad_string, test::rec::kSst},
        {"BOUNDSHEET too short", globals_only(test::record(test::rec::kBoundSheet, bytes(5, 0))),
         biff_error::short_record, test::rec::kBoundSheet},
        {"sheet name longer than its record",
         globals_only(test::record(test::rec::kBoundSheet,
                                   join({u32(0), u16(0), u8(9), u8(0), bytes{'a'}}))),
         biff_error::bad_string, test::rec::kBoundSheet},
        {"sheet offset past the end", with_sheet_offset(one_sheet(), 100000),
         biff_error::bad_sheet_offset, test::rec::kBoundSheet},
        {"sheet offset inside the globals", with_sheet_offset(one_sheet(), 0),
         biff_error::bad_sheet_offset, test::rec::kBoundSheet},
        {"two sheets share one substream",
         with_sheet_offset(two_sheets(), record_offset(two_sheets(), bof, 1), 1),
         biff_error::bad_sheet_offset, test::rec::kBoundSheet},
        {"second sheet starts inside the first: the first lacks its EOF",
         with_sheet_offset(two_sheets(), record_offset(two_sheets(), test::rec::kNumber), 1),
         biff_error::missing_eof, test::rec::kNumber},
        {"sheet offset on a record that is no BOF",
         with_sheet_offset(one_sheet(), record_offset(one_sheet(), test::rec::kNumber)),
         biff_error::bad_sheet_offset, test::rec::kNumber},
        {"sheet of BIFF5", sheet_of_version(0x0500), biff_error::not_biff8, bof, 1},
        {"sheet without EOF at the end of the stream", without_last_bytes(one_sheet(), 4),
         biff_error::missing_eof, kStreamEnd},
        {"last record cut short", without_last_bytes(one_sheet(), 6), biff_error::truncated_record,
         test::rec::kNumber},
        {"NUMBER too short", test::one_sheet_stream(test::record(test::rec::kNumber, bytes(10, 0))),
         biff_error::short_record, test::rec::kNumber},
        {"RK too short", test::one_sheet_stream(test::record(test::rec::kRk, bytes(8, 0))),
         biff_error::short_record, test::rec::kRk},
        {"LABELSST too short",
         test::one_sheet_stream(test::record(test::rec::kLabelSst, bytes(8, 0))),
         biff_error::short_record, test::rec::kLabelSst},
        {"LABEL without its string",
         test::one_sheet_stream(test::record(test::rec::kLabel, bytes(6, 0))),
         biff_error::bad_string, test::rec::kLabel},
        {"FORMULA too short",
         test::one_sheet_stream(test::record(test::rec::kFormula, bytes(14, 0))),
         biff_error::short_record, test::rec::kFormula},
        {"BOOLERR too short",
         test::one_sheet_stream(test::record(test::rec::kBoolErr, bytes(7, 0))),
         biff_error::short_record, test::rec::kBoolErr},
        {"BLANK too short", test::one_sheet_stream(test::record(test::rec::kBlank, bytes(4, 0))),
         biff_error::short_record, test::rec::kBlank},
        {"DIMENSIONS too short",
         test::one_sheet_stream(test::record(test::rec::kDimensions, bytes(10, 0))),
         biff_error::short_record, test::rec::kDimensions},
        {"ROW too short", test::one_sheet_stream(test::record(test::rec::kRow, bytes(4, 0))),
         biff_error::short_record, test::rec::kRow},
        {"MULRK without an entry",
         test::one_sheet_stream(test::record(test::rec::kMulRk, bytes(6, 0))),
         biff_error::short_record, test::rec::kMulRk},
        {"LABELSST index past the shared strings",
         test::one_sheet_stream(test::label_sst(0, 0, 1), {u"only"}), biff_error::bad_string_index,
         test::rec::kLabelSst},
        {"LABELSST without any shared strings", test::one_sheet_stream(test::label_sst(0, 0, 0)),
         biff_error::bad_string_index, test::rec::kLabelSst},
        {"label longer than its record",
         test::one_sheet_stream(test::label(0, 0, join({u16(50), u8(0), bytes{'a'}}))),
         biff_error::bad_string, test::rec::kLabel},
        {"column 256", test::one_sheet_stream(test::number(0, 256, 1)),
         biff_error::bad_cell_address, test::rec::kNumber},
        {"MULRK last column disagrees with its entries",
         test::one_sheet_stream(
             test::record(test::rec::kMulRk, join({u16(0), u16(1), u16(0x0F), u32(2), u16(5)}))),
         biff_error::bad_cell_address, test::rec::kMulRk},
        {"MULRK entries not whole",
         test::one_sheet_stream(test::record(
             test::rec::kMulRk, join({u16(0), u16(1), u16(0x0F), u32(2), u8(0), u16(1)}))),
         biff_error::bad_cell_address, test::rec::kMulRk},
        {"MULRK past column 255", test::one_sheet_stream(test::mul_rk(0, 254, {2, 2, 2})),
         biff_error::bad_cell_address, test::rec::kMulRk},
        {"MULBLANK last column before its first",
         test::one_sheet_stream(test::record(test::rec::kMulBlank,
                                             join({u16(0), u16(5), u16(0x0F), u16(0x0F), u16(2)}))),
         biff_error::bad_cell_address, test::rec::kMulBlank},
        {"MULBLANK past column 255", test::one_sheet_stream(test::mul_blank(0, 250, 10)),
         biff_error::bad_cell_address, test::rec::kMulBlank},
        {"DIMENSIONS of more rows than a sheet has",
         test::one_sheet_stream(test::dimensions(65537, 1)), biff_error::bad_dimensions,
         test::rec::kDimensions},
        {"DIMENSIONS of four billion rows", test::one_sheet_stream(test::dimensions(0xFFFFFFFF, 1)),
         biff_error::bad_dimensions, test::rec::kDimensions},
        {"DIMENSIONS of 257 columns", test::one_sheet_stream(test::dimensions(1, 257)),
         biff_error::bad_dimensions, test::rec::kDimensions},
        {"ROW of 257 columns", test::one_sheet_stream(test::row_record(0, 0, 257)),
         biff_error::bad_dimensions, test::rec::kRow},
        {"substreams nested deeper than any workbook", test::one_sheet_stream([] {
             bytes nested;
             for (int i = 0; i < 9; ++i) test::append(nested, test::bof(0x0020));
             return nested;
         }()),
         biff_error::too_deep, bof, 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        biff_workbook book;
        book.sheets.resize(3);  // whatever was there is dropped, even on failure
        const biff_status status = biff_reader::parse(test::view(c.stream), book);
        EXPECT_EQ(status.error, c.error);
        EXPECT_EQ(status.offset, record_offset(c.stream, c.at_id, c.nth));
        EXPECT_TRUE(book.sheets.empty());
        EXPECT_EQ(book.texts.size(), 0u);
    }
}

// A stream that holds one of everything the reader interprets, strings over CONTINUE included.
bytes stream_of_every_record() {
    const bytes sst_start =
        test::record(test::rec::kSst,
                     join({u32(3), u32(2), test::xl_string("first"), u16(4), u8(1), u16(0x03A9)}));
    const bytes sst_rest = test::record(test::rec::kContinue, join({u8(0), bytes{'m', 'e', 'g'}}));
    const bytes records = join({
        test::dimensions(4, 6),
        test::row_record(0, 0, 6),
        test::label_sst(0, 0, 0),
        test::label_sst(0, 1, 1),
        test::label(0, 2, test::xl_string(u"\u00E9t\u00E9", true)),
        test::number(1, 0, 2.5),
        test::rk(1, 1, 0x3FF00000),
        test::mul_rk(1, 2, {6, 10}),
        test::blank(2, 0),
        test::mul_blank(2, 1, 2),
        test::bool_err(2, 3, 1, false),
        test::formula_special(3, 0, 0),
        test::string_result(test::xl_string("f")),
        test::formula_number(3, 1, 4),
        test::formula_special(3, 2, 2, 7),
    });
    return test::workbook_stream({{"One", records}, {"Two", test::number(0, 0, 1)}},
                                 join({sst_start, sst_rest}));
}

TEST(BiffDamage, EveryCutOfAStreamIsRefused) {
    const bytes whole = stream_of_every_record();
    biff_workbook book;
    ASSERT_TRUE(biff_reader::parse(test::view(whole), book)) << "the uncut stream reads";
    ASSERT_EQ(book.sheets.size(), 2u);
    // The last sheet's EOF ends the stream, so any shorter stream misses something.
    for (std::size_t length = 0; length < whole.size(); ++length) {
        SCOPED_TRACE("cut to " + std::to_string(length) + " bytes");
        const bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_FALSE(biff_reader::parse(test::view(cut), book));
        EXPECT_TRUE(book.sheets.empty());
    }
}

TEST(BiffDamage, SurvivesAnySingleByteOverwritten) {
    const bytes whole = stream_of_every_record();
    for (std::size_t at = 0; at < whole.size(); ++at) {
        for (std::uint8_t value : {std::uint8_t{0x00}, std::uint8_t{0x7F}, std::uint8_t{0xFF}}) {
            bytes damaged = whole;
            damaged[at] = value;
            biff_workbook book;
            const biff_status status = biff_reader::parse(test::view(damaged), book);
            // Either answer is fine; what matters is a clean one.
            if (!status) {
                EXPECT_TRUE(book.sheets.empty());
            }
        }
    }
}

// An SST holding one 8-bit string of `length` characters, continued over as many CONTINUE
// records as it takes.
bytes sst_of_one_long_string(std::size_t length) {
    constexpr std::size_t kRecordBody = 8224;
    bytes out;
    bytes body = join({u32(1), u32(1), u16(static_cast<std::uint16_t>(length)), u8(0)});
    std::uint16_t id = test::rec::kSst;
    while (length > 0) {
        const std::size_t take = std::min(length, kRecordBody - body.size());
        body.insert(body.end(), take, 'x');
        length -= take;
        test::append(out, test::record(id, body));
        id = test::rec::kContinue;
        body = u8(0);  // the characters go on, still 8-bit
    }
    return out;
}

TEST(BiffDamage, LimitsWhatAStreamCanMakeUsAllocate) {
    {
        SCOPED_TRACE("more sheets than any workbook needs");
        std::vector<test::test_sheet> sheets(kMaxSheets + 1, test::test_sheet{"s", {}});
        const bytes stream = test::workbook_stream(sheets);
        biff_workbook book;
        const biff_status status = biff_reader::parse(test::view(stream), book);
        EXPECT_EQ(status.error, biff_error::too_large);
        EXPECT_EQ(status.offset,
                  record_offset(stream, test::rec::kBoundSheet, static_cast<int>(kMaxSheets)));
    }
    {
        SCOPED_TRACE("rows declared but never written, over many sheets");
        std::vector<test::test_sheet> sheets(17, test::test_sheet{"s", test::dimensions(65536, 1)});
        const bytes stream = test::workbook_stream(sheets);
        biff_workbook book;
        const biff_status status = biff_reader::parse(test::view(stream), book);
        EXPECT_EQ(status.error, biff_error::too_large);
        EXPECT_EQ(status.offset, record_offset(stream, test::rec::kBof, 17)) << "the 17th sheet";
    }
    {
        SCOPED_TRACE("one long shared string named in every header cell");
        bytes records;
        for (std::uint16_t row = 0; row < 2; ++row) {
            for (std::uint16_t column = 0; column < 256; ++column) {
                test::append(records, test::label_sst(row, column, 0));
            }
        }
        const bytes stream = test::workbook_stream({{"s", records}}, sst_of_one_long_string(32767));
        biff_workbook book;
        EXPECT_EQ(biff_reader::parse(test::view(stream), book).error, biff_error::too_large);
    }
    {
        SCOPED_TRACE("the same string in fewer header cells is fine, and stored once");
        const bytes stream =
            test::workbook_stream({{"s", join({test::label_sst(0, 0, 0), test::label_sst(0, 1, 0),
                                               test::label_sst(1, 0, 0)})}},
                                  sst_of_one_long_string(32767));
        biff_workbook book;
        ASSERT_TRUE(biff_reader::parse(test::view(stream), book));
        EXPECT_EQ(book.cell_text(book.sheets[0], 1, 0), std::string(32767, 'x'));
        EXPECT_EQ(book.texts.size(), 1u);
    }
}

}  // namespace
}  // namespace varnholt
