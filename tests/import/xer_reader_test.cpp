// The XER reader: header, lines and tokens, markers, tables, fields and rows, and damaged
// input, from export texts in memory and a few small files of our own.

#include "tests/import/xer_test_support.h"

#include "model/records/CalendarRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/records/TaskPredRecord.h"
#include "model/records/TaskRecord.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>

namespace varnholt {
namespace {

using document::xer_error;
using document::xer_parser;
using testing_support::ReadXer;
using testing_support::ReaderDocument;
using testing_support::WithHeader;
using testing_support::XerText;

const std::filesystem::path kDataDir = VARNHOLT_TEST_DATA_DIR;

// The activities' task_id values, or "-" for an activity whose task_id the file left unset.
std::string TaskIds(const document::Document& doc) {
    std::string ids;
    for (const auto& task : doc.Tasks()) {
        if (!ids.empty()) ids += ' ';
        ids += task->task_id.null_flag != 0 ? std::string("-") : std::to_string(task->task_id.value);
    }
    return ids;
}

TEST(XerReader, KeepsTheHeaderTokens) {
    ReaderDocument doc;
    const std::string text = XerText({"ERMHDR\t8.0\t2016-06-22 10:30\tProject\t\"\"admin\"\"\tAdmin\tdb\tPM\tUSD"}, "\r\n");
    ASSERT_TRUE(ReadXer(doc, text).doc);
    EXPECT_EQ(doc.GetXerVersion().text, L"8.0");
    EXPECT_EQ(doc.GetExportDate().seconds, s_date::from_ymdhm(2016, 6, 22, 10, 30).seconds);
    EXPECT_EQ(doc.GetHeaderField3().text, L"\"admin\"") << "doubled quotation marks fold";
    EXPECT_EQ(doc.GetHeaderField4().text, L"Admin");
    EXPECT_EQ(doc.GetHeaderField7().text, L"USD") << "no CR from the line end";
    EXPECT_EQ(doc.GetHeaderField7().null_flag, 0);
    EXPECT_TRUE(doc.Tasks().empty());
}

TEST(XerReader, RecognisesSignature) {
    struct Case { const char* why; std::string_view text; bool accepted; } const cases[] = {
        {"plain header", "ERMHDR\t8.0\n", true}, {"CR LF line end", "ERMHDR\t8.0\r\n", true},
        {"header token alone, no line end", "ERMHDR", true},
        {"header token alone before CR LF", "ERMHDR\r\n", true},
        {"UTF-8 byte-order mark first", "\xEF\xBB\xBF" "ERMHDR\t8.0\n", true}, {"empty file", "", false},
        {"empty first line", "\nERMHDR\t8.0\n", false}, {"blank before the token", " ERMHDR\t8.0\n", false},
        {"lower case", "ermhdr\t8.0\n", false}, {"longer token", "ERMHDRS\t8.0\n", false},
        {"cut inside the token", "ERMHD", false}, {"half a byte-order mark", "\xEF\xBB" "ERMHDR\n", false},
        {"zero byte inside the token", std::string_view("ERM\0HDR\n", 8), false},
        {"binary bytes", "\x89PNG\r\n\x1A\n", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(xer_parser::has_signature(c.text), c.accepted);
        ReaderDocument doc;
        const auto result = ReadXer(doc, c.text);
        EXPECT_EQ(result.doc != nullptr, c.accepted);
        if (c.accepted) continue;
        EXPECT_EQ(result.status.error, xer_error::no_header);
        EXPECT_EQ(result.status.line, 1U);
        EXPECT_EQ(doc.GetXerVersion().null_flag, 1) << "a refused file leaves the document alone";
    }
}

TEST(XerReader, ReadsCrLfAndLfFilesAlike) {
    const std::initializer_list<std::string_view> lines = {
        "%T\tTASK", "%F\ttask_id\tproj_id\ttask_name", "%R\t1\t7\tFirst", "%R", "%R\t3\t7\tThird",
        "%E", "%R\t4\t7\tafter the end"};
    for (const std::string_view line_end : {"\n", "\r\n"}) {
        SCOPED_TRACE(line_end == "\n" ? "LF" : "CR LF");
        ReaderDocument doc;
        ASSERT_TRUE(ReadXer(doc, WithHeader(lines, line_end)).doc);
        EXPECT_EQ(TaskIds(doc), "1 - 3") << "a lone marker makes a record; reading stops at %E";
        ASSERT_EQ(doc.Tasks().size(), 3U);
        EXPECT_EQ(doc.Tasks()[2]->task_name.text, L"Third") << "the last value has no CR";
        EXPECT_EQ(doc.GetHeaderField7().text, L"USD");
    }
}

TEST(XerReader, RemovesCarriageReturnsInsideValues) {
    ReaderDocument doc;
    ASSERT_TRUE(ReadXer(doc, WithHeader({"%T\tTASK", "%F\ttask_code\ttask_name", "%R\tA\r1\tTwo\rlines"})).doc);
    ASSERT_EQ(doc.Tasks().size(), 1U);
    EXPECT_EQ(doc.Tasks()[0]->task_code.text, L"A1");
    EXPECT_EQ(doc.Tasks()[0]->task_name.text, L"Twolines");
}

TEST(XerReader, OnlyTheFirstTokenIsAMarker) {
    ReaderDocument doc;
    const std::string text = WithHeader({
        "%T\tTASK",
        "%F\ttask_id\ttask_code\ttask_name\tproj_id",
        "%R\t1\t%T\t%R\t7",           // markers as values are values
        "%R\t2\t%E\tnot the end\t8",  // so is the end marker
        "%r\t3\tlower case marker",   // not a marker: ignored
        " %R\t4\tblank first",        // not a marker either
        "\t%R\t5\tempty first token",
        "%R\t6\tlast\t\t9",
    });
    ASSERT_TRUE(ReadXer(doc, text).doc);
    EXPECT_EQ(TaskIds(doc), "1 2 6");
    const auto& tasks = doc.Tasks();
    EXPECT_EQ(tasks[0]->task_code.text, L"%T");
    EXPECT_EQ(tasks[0]->task_name.text, L"%R");
    EXPECT_EQ(tasks[0]->proj_id.value, 7U) << "values after a marker-like value keep their fields";
    EXPECT_EQ(tasks[1]->task_code.text, L"%E");
    EXPECT_EQ(tasks[1]->proj_id.value, 8U);
}

TEST(XerReader, EmptyTokensAndTrailingTabs) {
    struct Case { const char* why; std::string_view row; std::uint32_t proj_id; bool wbs_given; } const cases[] = {
        {"two TABs give an empty value", "%R\t5\t\t3", 0, true},
        {"a trailing TAB gives no value", "%R\t5\t7\t", 7, false},
        {"two trailing TABs give one empty value", "%R\t5\t7\t\t", 7, true},
        {"missing values leave fields as created", "%R\t5", 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        ReaderDocument doc;
        ASSERT_TRUE(ReadXer(doc, WithHeader({"%T\tTASK", "%F\ttask_id\tproj_id\twbs_id", c.row})).doc);
        ASSERT_EQ(doc.Tasks().size(), 1U);
        const TaskRecord& task = *doc.Tasks()[0];
        EXPECT_EQ(task.task_id.value, 5U);
        EXPECT_EQ(task.proj_id.value, c.proj_id);
        EXPECT_EQ(task.wbs_id.null_flag == 0, c.wbs_given);
    }
}

TEST(XerReader, MatchesValuesToFieldsByPosition) {
    ReaderDocument doc;
    const std::string text = WithHeader({
        "%T\tTASK",
        "%F\ttask_id\tsecret_field\tproj_id\tTask_Name\ttask_code",
        "%R\t5\tdropped\t7\tdropped too\tA100\textra\tvalues",
    });
    const auto result = ReadXer(doc, text);
    ASSERT_TRUE(result.doc);
    ASSERT_EQ(doc.Tasks().size(), 1U);
    const TaskRecord& task = *doc.Tasks()[0];
    EXPECT_EQ(task.task_id.value, 5U);
    EXPECT_EQ(task.proj_id.value, 7U) << "an unknown column does not shift the next one";
    EXPECT_EQ(task.task_name.text, L"") << "field names are case-sensitive";
    EXPECT_EQ(task.task_code.text, L"A100");

    const auto& fields = result.doc->tables().at(0)->fields;
    ASSERT_EQ(fields.size(), 5U);
    const int ids[] = {1, 0, 2, 0, 15};
    for (std::size_t i = 0; i < fields.size(); ++i) EXPECT_EQ(fields[i]->id, ids[i]) << i;
}

// A second field line adds columns; rows before any field line make records without values.
TEST(XerReader, FieldLinesNameTheColumnsOfLaterRows) {
    ReaderDocument doc;
    ASSERT_TRUE(ReadXer(doc, WithHeader({"%T\tTASK", "%F\ttask_id", "%F\tproj_id", "%R\t5\t7"})).doc);
    ASSERT_EQ(doc.Tasks().size(), 1U);
    EXPECT_EQ(doc.Tasks()[0]->proj_id.value, 7U);
    ReaderDocument unnamed;
    ASSERT_TRUE(ReadXer(unnamed, WithHeader({"%T\tTASK", "%R\t5\t7"})).doc);
    EXPECT_EQ(TaskIds(unnamed), "-");
}

TEST(XerReader, TextEndsAtTheFirstZeroByte) {
    ReaderDocument doc;
    std::string text = WithHeader({"%T\tTASK", "%F\ttask_id\ttask_code", "%R\t1\tAB"});
    text.insert(text.find("AB") + 1, 1, '\0');
    text += "%R\t2\tafter the zero\n";
    ASSERT_TRUE(ReadXer(doc, text).doc);
    ASSERT_EQ(doc.Tasks().size(), 1U);
    EXPECT_EQ(doc.Tasks()[0]->task_code.text, L"A");
}

// Every row line of a known table makes a record, the last one cut or not, so a file cut
// anywhere gives the records of its whole lines and what the cut line held.
TEST(XerReader, ReadsEveryPrefixOfATruncatedFile) {
    const std::string text = WithHeader({
        "%T\tTASK", "%F\ttask_id\tproj_id\ttask_name", "%R\t1\t7\tFirst", "%R\t2\t7\tSecond",
        "%T\tCALENDAR", "%F\tclndr_id\tclndr_data",
        "%R\t9\t(0||CalendarData()((0||DaysOfWeek()((0||2()((0||0(s|08:00|f|12:00)())))))))"}, "\r\n");
    const std::size_t header_end = text.find('\n');
    for (std::size_t length = 0; length <= text.size(); ++length) {
        SCOPED_TRACE(length);
        ReaderDocument doc;
        const auto result = ReadXer(doc, std::string_view(text).substr(0, length));
        EXPECT_EQ(result.doc != nullptr, length >= 6) << "the header token alone is enough";
        if (length <= header_end) continue;
        EXPECT_LE(doc.Tasks().size(), 2U);
        EXPECT_LE(doc.Calendars().size(), 1U);
    }
}

TEST(XerReader, SurvivesGarbageAndHugeLines) {
    std::mt19937 random(20240601);  // fixed seed: the same bytes every run
    std::string garbage;
    for (int i = 0; i < 200000; ++i) garbage += static_cast<char>(random() % 256);
    std::string every_byte;
    for (int b = 0; b < 256; ++b) every_byte += static_cast<char>(b);
    const std::string long_name(1 << 20, 'x');

    struct Case { const char* why; std::string text; std::size_t tasks; } const cases[] = {
        {"random bytes after the header", WithHeader({"%T\tTASK", "%F\ttask_id"}) + garbage, 0},
        {"every byte value as a value", WithHeader({"%T\tTASK", "%F\ttask_name", "%R\t" + every_byte}), 1},
        {"a value of a megabyte", WithHeader({"%T\tTASK", "%F\ttask_name", "%R\t" + long_name}), 1},
        {"a row of a hundred thousand TABs",
         WithHeader({"%T\tTASK", "%F\ttask_id", "%R" + std::string(100000, '\t')}), 1},
        {"a field line of a hundred thousand names",
         WithHeader({"%T\tTASK", "%F" + std::string(100000, '\t') + "task_id", "%R\t1"}), 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        ReaderDocument doc;
        ASSERT_TRUE(ReadXer(doc, c.text).doc);
        if (c.tasks != 0) {
            EXPECT_EQ(doc.Tasks().size(), c.tasks);
        }
    }
    ReaderDocument doc;
    ASSERT_TRUE(ReadXer(doc, cases[2].text).doc);
    EXPECT_EQ(doc.Tasks()[0]->task_name.text.size(), long_name.size());
}

// An activity record is some 2 KB, its shortest row line 3 bytes: a flood of bare row lines
// is refused, while rows of a real export's length fit the same allowance.
TEST(XerReader, RefusesFloodsOfBareRowLines) {
    const document::xer_limits limits{64, 1 << 20};
    std::string flood = WithHeader({"%T\tTASK"});
    for (int i = 0; i < 2000; ++i) flood += "%R\n";
    ReaderDocument flooded;
    const auto refused = xer_parser::parse_bytes(flooded, flood, limits);
    EXPECT_FALSE(refused.doc);
    EXPECT_EQ(refused.status.error, xer_error::too_large);
    EXPECT_GT(refused.status.line, 100U);
    EXPECT_LT(refused.status.line, 2003U);
    EXPECT_TRUE(flooded.Tasks().empty()) << "a refused read makes no record";

    std::string field_line = "%F";
    for (int field = 1; field <= 61; ++field) field_line += "\tf" + std::to_string(field);
    std::string export_text = WithHeader({"%T\tTASK", field_line});
    for (int row = 0; row < 2000; ++row) {
        export_text += "%R";
        for (int field = 1; field <= 61; ++field) export_text += "\tv";
        export_text += "\n";
    }
    ReaderDocument real;
    ASSERT_TRUE(xer_parser::parse_bytes(real, export_text, limits).doc);
    EXPECT_EQ(real.Tasks().size(), 2000U);
}

// A field line between every two rows gives each row a longer field list than the last; such
// a file is refused once its field lists outgrow the allowance, while the same lines with the
// field lines first read.
TEST(XerReader, RefusesFieldLinesBetweenEveryRow) {
    const document::xer_limits limits{64, 1 << 20};
    constexpr int kRows = 4000;
    std::string interleaved = WithHeader({"%T\tTASKPRED"});
    std::string fields_first = interleaved;
    for (int row = 0; row < kRows; ++row) {
        interleaved += "%F\tx\n%R\n";
        fields_first += "%F\tx\n";
    }
    for (int row = 0; row < kRows; ++row) fields_first += "%R\n";

    ReaderDocument read;
    ASSERT_TRUE(xer_parser::parse_bytes(read, fields_first, limits).doc);
    EXPECT_EQ(read.TaskPreds().size(), static_cast<std::size_t>(kRows));
    ReaderDocument refused;
    const auto result = xer_parser::parse_bytes(refused, interleaved, limits);
    EXPECT_FALSE(result.doc);
    EXPECT_EQ(result.status.error, xer_error::too_large);
    EXPECT_TRUE(refused.TaskPreds().empty());
}

TEST(XerReader, ReadsOurSampleFile) {
    const std::filesystem::path sample = kDataDir / "xer" / "small_schedule.xer";
    EXPECT_TRUE(xer_parser::is_xer_file(sample));
    ReaderDocument doc;
    const auto parsed = xer_parser::parse(doc, sample);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(doc.GetHeaderField7().text, L"EUR");
    ASSERT_EQ(doc.Projects().size(), 1U);
    EXPECT_EQ(doc.Projects()[0]->proj_short_name.text, L"Bridge");
    ASSERT_EQ(doc.Tasks().size(), 2U);
    EXPECT_EQ(doc.Tasks()[1]->task_name.text, L"Pour \u201Cdeck\u201D slab") << "Windows-1252 quotes";
    ASSERT_EQ(doc.Calendars().size(), 1U);
    EXPECT_EQ(doc.Calendars()[0]->GetWeekday(2)->periods.size(), 2U);
}

TEST(XerReader, RefusesFilesItCannotRead) {
    struct Case { const char* why; std::filesystem::path path; xer_error error; } const cases[] = {
        {"no such file", kDataDir / "xer" / "no_such_file.xer", xer_error::unreadable},
        {"a folder", kDataDir / "xer", xer_error::unreadable},
        {"not an export", kDataDir / "xer" / "not_an_export.xer", xer_error::no_header},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_FALSE(xer_parser::is_xer_file(c.path));
        ReaderDocument doc;
        EXPECT_FALSE(xer_parser::parse(doc, c.path));
        const auto result = xer_parser::parse_file(doc, c.path);
        EXPECT_FALSE(result.doc);
        EXPECT_EQ(result.status.error, c.error);
        EXPECT_EQ(doc.GetXerVersion().null_flag, 1);
    }
}

}  // namespace
}  // namespace varnholt
