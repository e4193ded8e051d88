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
    struct Case {
        const char* why;
        double value;
        const char* text;
    };
    const Case cases[] = {
        {"integer gets six zero decimals", 42, "42.000000"},
        {"negative", -7.25, "-7.250000"},
        {"zero", 0, "0.000000"},
        {"negative zero keeps its sign", -0.0, "-0.000000"},
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
    struct Case {
        const char* why;
        std::uint32_t rk;
        double value;
    };
    const Case cases[] = {
        {"30-bit integer", (42u << 2) | 2u, 42},
        {"negative integer keeps its sign", (static_cast<std::uint32_t>(-7) << 2) | 2u, -7},
        {"integer divided by 100", (1250u << 2) | 3u, 12.5},
        {"upper bits of a double", 0x3FF80000u, 1.5},
        {"upper bits of a double divided by 100", 0x40590000u | 1u, 1.0},
        {"largest 30-bit integer", (0x1FFFFFFFu << 2) | 2u, 536870911},
        {"smallest 30-bit integer", 0x80000002u, -536870912},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(rk_value(c.rk), c.value);
    }
}

TEST(BiffReader, GivesEveryKindOfCellItsText) {
    const bytes records = join({
        test::label_sst(0, 0, 0),
        test::label_sst(0, 1, 1),  // the empty shared string
        test::label(1, 0, test::xl_string(u"Pr\u00FCfung", false)),
        test::label(1, 1, test::xl_string(u"\u65E5\u672C", true)),
        test::record(test::rec::kRString,
                     join({test::u16(2), test::u16(2), test::u16(0x0F), test::xl_string("rich"),
                           test::u16(1), test::u32(0)})),
        test::number(2, 0, 1234.5),
        test::rk(2, 1, (3u << 2) | 2u),
        test::mul_rk(3, 1, {(1u << 2) | 2u, (250u << 2) | 3u, 0x3FF00000u}),
        test::blank(4, 0),
        test::mul_blank(4, 1, 3),
        test::bool_err(5, 0, 1, false),
        test::bool_err(5, 1, 0, false),
        test::bool_err(5, 2, 0x07, true),
        test::formula_number(6, 0, 7.25),
        test::formula_special(6, 1, 0),
        test::string_result(test::xl_string("Total")),
        test::formula_special(6, 2, 1, 1),
        test::formula_special(6, 3, 2, 0x2A),
        test::formula_special(6, 4, 3),
        test::label(7, 0, test::xl_string(u"", false)),
        test::number(7, 1, 1),
        test::number(7, 1, 2),  // a later record for the same cell replaces the first
    });
    const biff_workbook book = parse_ok(test::one_sheet_stream(records, {u"Code", u""}));
    ASSERT_EQ(book.sheets.size(), 1u);
    const biff_sheet& sheet = book.sheets[0];

    struct Case {
        const char* why;
        std::uint32_t row, column;
        const char* text;
    };
    const Case cases[] = {
        {"shared string", 0, 0, "Code"},
        {"empty shared string", 0, 1, ""},
        {"label of 8-bit characters", 1, 0,
         "Pr\xC3\xBC"
         "fung"},
        {"label of UTF-16 characters", 1, 1, "\xE6\x97\xA5\xE6\x9C\xAC"},
        {"RSTRING: a label with formatting runs", 2, 2, "rich"},
        {"NUMBER", 2, 0, "1234.500000"},
        {"RK", 2, 1, "3.000000"},
        {"MULRK first", 3, 1, "1.000000"},
        {"MULRK second, divided by 100", 3, 2, "2.500000"},
        {"MULRK third, a double", 3, 3, "1.000000"},
        {"nothing before MULRK", 3, 0, ""},
        {"BLANK", 4, 0, ""},
        {"MULBLANK", 4, 2, ""},
        {"boolean true", 5, 0, "bool"},
        {"boolean false", 5, 1, "bool"},
        {"error value", 5, 2, "error"},
        {"numeric formula result", 6, 0, "7.250000"},
        {"text formula result from the STRING record", 6, 1, "Total"},
        {"boolean formula result", 6, 2, "bool"},
        {"error formula result", 6, 3, "error"},
        {"empty-text formula result", 6, 4, ""},
        {"empty label", 7, 0, ""},
        {"second record for one cell wins", 7, 1, "2.000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(book.cell_text(sheet, c.row, c.column), c.text);
    }
}

TEST(BiffReader, SizesSheetsFromDimensionsRowsAndCells) {
    struct Case {
        const char* why;
        bytes records;
        std::uint32_t rows, columns;
    };
    const Case cases[] = {
        {"empty sheet keeps its row 0", {}, 1, 0},
        {"DIMENSIONS gives one past the last row and the column count", test::dimensions(5, 3), 5,
         3},
        {"DIMENSIONS of an empty sheet", test::dimensions(0, 0), 1, 0},
        {"ROW records reach further than DIMENSIONS",
         join({test::dimensions(2, 2), test::row_record(9, 0, 4)}), 10, 4},
        {"a cell past DIMENSIONS still counts",
         join({test::dimensions(1, 1), test::number(3, 6, 1)}), 4, 7},
        {"blank cells count", test::mul_blank(2, 0, 5), 3, 5},
        {"empty text counts", test::label(4, 2, test::xl_string(u"", false)), 5, 3},
        {"the largest sheet", join({test::dimensions(65536, 256), test::blank(65535, 255)}), 65536,
         256},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const biff_workbook book = parse_ok(test::one_sheet_stream(c.records));
        ASSERT_EQ(book.sheets.size(), 1u);
        EXPECT_EQ(book.sheets[0].row_count, c.rows);
        EXPECT_EQ(book.sheets[0].column_count, c.columns);
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
