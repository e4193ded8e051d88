// biff_reader_test.cpp - what the BIFF8 reader makes of well-formed records: the text of every
// kind of cell, the size of a sheet, formula results, sheet order and embedded substreams.

#include "import/xls/biff_reader.h"

#include "biff_test_streams.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace varnholt {
namespace {

using test::bytes;
using test::join;

biff_workbook parse_ok(const bytes& stream) {
    biff_workbook book;
    const biff_status status = biff_reader::parse(test::view(stream), book);
    EXPECT_TRUE(status) << "error " << int(status.error) << " at " << status.offset;
    return book;
}

TEST(CellNumbers, PrintLikePercentLfInTheCLocale) {
    struct Case { const char* why; double value; const char* text; } const cases[] = {
        {"integer gets six zero decimals", 42, "42.000000"}, {"negative", -7.25, "-7.250000"},
        {"zero", 0, "0.000000"}, {"negative zero keeps its sign", -0.0, "-0.000000"},
        {"rounded to six decimals", 3.14159265358979, "3.141593"},
        {"2.0000005 is stored a little above and rounds up", 2.0000005, "2.000001"},
        {"exact tie (1/128) rounds to the even digit below", 0.0078125, "0.007812"},
        {"exact tie (3/128) rounds to the even digit above", 0.0234375, "0.023438"},
        {"below half a millionth rounds to zero", 1.5e-7, "0.000000"},
        {"no grouping in large numbers", 123456789012.25, "123456789012.250000"},
        {"no exponent for huge numbers", 1e20, "100000000000000000000.000000"},
        {"date serial with a time", 45355.354166666664, "45355.354167"},
        {"infinity", std::numeric_limits<double>::infinity(), "inf"},
        {"negative infinity", -std::numeric_limits<double>::infinity(), "-inf"},
        {"not a number", std::numeric_limits<double>::quiet_NaN(), "nan"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(format_cell_number(c.value), c.text);
    }
    EXPECT_EQ(format_cell_number(std::numeric_limits<double>::max()).size(), 309u + 7u)
        << "the largest double prints whole";
}

TEST(RkValues, DecodeAllFourForms) {
    struct Case { const char* why; std::uint32_t rk; double value; } const cases[] = {
        {"30-bit integer", (42u << 2) | 2u, 42},
        {"negative integer keeps its sign", (static_cast<std::uint32_t>(-7) << 2) | 2u, -7},
        {"integer divided by 100", (1250u << 2) | 3u, 12.5}, {"upper bits of a double", 0x3FF80000u, 1.5},
        {"upper bits of a double divided by 100", 0x40590000u | 1u, 1.0},
        {"largest 30-bit integer", (0x1FFFFFFFu << 2) | 2u, 536870911},
        {"smallest 30-bit integer", 0x80000002u, -536870912},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(rk_value(c.rk), c.value);
    }
}

TEST(BiffReader, TextResultWaitsForItsStringRecord) {
    struct Case {
        const char* why;
        bytes records;
        const char* text;  // of cell (0, 0)
    };
    const Case cases[] = {
        {"STRING right after the FORMULA",
         join({test::formula_special(0, 0, 0), test::string_result(test::xl_string("a"))}), "a"},
        {"a shared formula may stand between",
         join({test::formula_special(0, 0, 0), test::record(test::rec::kShrFmla, bytes(10, 0)),
               test::string_result(test::xl_string("b"))}),
         "b"},
        {"another cell in between: the STRING belongs to no formula",
         join({test::formula_special(0, 0, 0), test::number(0, 1, 1),
               test::string_result(test::xl_string("c"))}),
         ""},
        {"STRING with no formula before it is ignored", test::string_result(test::xl_string("d")),
         ""},
        {"STRING continued over a CONTINUE record",
         join({test::formula_special(0, 0, 0),
               test::string_result(join({test::u16(4), test::u8(0), bytes{'l', 'o'}})),
               test::record(test::rec::kContinue,
                            join({test::u8(1), test::u16('n'), test::u16('g')}))}),
         "long"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const biff_workbook book = parse_ok(test::one_sheet_stream(c.records));
        ASSERT_EQ(book.sheets.size(), 1u);
        EXPECT_EQ(book.cell_text(book.sheets[0], 0, 0), c.text);
    }
}

TEST(BiffReader, SkipsTheSubstreamOfAnEmbeddedChart) {
    const bytes records = join({
        test::number(0, 0, 1),
        test::bof(0x0020),  // chart substream inside the sheet
        test::number(5, 5, 99),
        test::eof(),
        test::number(1, 0, 2),
    });
    const biff_workbook book = parse_ok(test::one_sheet_stream(records));
    ASSERT_EQ(book.sheets.size(), 1u);
    const biff_sheet& sheet = book.sheets[0];
    EXPECT_EQ(book.cell_text(sheet, 1, 0), "2.000000") << "the sheet goes on after the chart";
    EXPECT_EQ(book.cell_text(sheet, 5, 5), "") << "chart records are no cells";
    EXPECT_EQ(sheet.row_count, 2u);
}

}  // namespace
}  // namespace varnholt
