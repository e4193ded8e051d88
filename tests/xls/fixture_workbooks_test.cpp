// fixture_workbooks_test.cpp - whole workbooks written by another program (our generator in
// tests/data/xls, over python3-xlwt): every kind of value, sheet shapes, the sheet set of a
// schedule export; and the fuzz target's seed corpus replayed.

#include "import/xls/biff_reader.h"
#include "import/xls/ole_stream.h"
#include "import/xls/xls_workbook.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace varnholt {
namespace {

namespace fs = std::filesystem;

// The generator writes them at test time into the build folder (a CTest fixture).
std::string fixture(const char* name) { return (fs::path(VARNHOLT_XLS_FIXTURES) / name).string(); }

// The row whose column 0 reads `label`, or the row count when none does.
std::uint32_t row_labelled(const xls_sheet& sheet, const std::string& label) {
    for (std::uint32_t r = 0; r < sheet.row_count(); ++r) {
        if (sheet.cell_text(r, 0) == label) return r;
    }
    ADD_FAILURE() << "no row labelled " << label;
    return sheet.row_count();
}

class CellsWorkbook : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(m_book.open(fixture("cells.xls")), xls_workbook::kOpened);
        m_values = m_book.find_sheet("Values");
        ASSERT_NE(m_values, nullptr);
    }
    std::string value_of(const std::string& label) const {
        return m_values->cell_text(row_labelled(*m_values, label), 1);
    }

    xls_workbook m_book;
    const xls_sheet* m_values = nullptr;
};

TEST_F(CellsWorkbook, ReadsEveryKindOfValue) {
    struct Case {
        const char* label;  // what the row holds, as written in its column 0
        const char* text;
    };
    const Case cases[] = {
        {"text", "Design review"},
        {"empty text", ""},
        {"blank", ""},
        {"absent", ""},
        {"integer", "42.000000"},
        {"negative integer", "-7.000000"},
        {"decimal", "12.500000"},
        {"hundredths", "0.100000"},
        {"long decimal", "3.141593"},
        {"large number", "123456789012.250000"},
        {"tiny number", "0.000000"},
        {"half rounding", "2.000001"},  // 2.0000005 is stored a little above
        {"date", "45355.354167"},       // 2024-03-04 08:30 as a day number; formats are not applied
        {"true", "bool"},
        {"false", "bool"},
        {"error", "error"},
        {"formula number", "7.250000"},
        {"formula text", "Total"},
        {"formula wide text", "\xCE\xA3 total"},
        {"formula boolean", "bool"},
        {"formula error", "error"},
        {"formula no result", ""},
        {"non-ASCII",
         "Gr\xC3\xB6\xC3\x9F"
         "e \xC2\xBD \xE2\x80\x94 \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E "
         "\xF0\x9F\x98\x80"},
        {"Latin-1", "Caf\xC3\xA9 cr\xC3\xA8me"},
        {"rich text", "Bold and plain"},
        {"line breaks", "line one\nline two\ttab"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(value_of(c.label), c.text);
    }
}

TEST_F(CellsWorkbook, ReadsRunsOfNumbersAndBlanks) {
    const std::uint32_t numbers = row_labelled(*m_values, "numbers in a row");
    EXPECT_EQ(m_values->cell_text(numbers, 1), "1.000000");
    EXPECT_EQ(m_values->cell_text(numbers, 2), "2.500000");
    EXPECT_EQ(m_values->cell_text(numbers, 3), "-3.000000");
    EXPECT_EQ(m_values->cell_text(numbers, 4), "4000000.000000");
    EXPECT_EQ(m_values->column_count(), 5u) << "the widest row reaches column 4";
    const std::uint32_t blanks = row_labelled(*m_values, "blanks in a row");
    for (std::uint32_t c = 1; c <= 3; ++c) EXPECT_EQ(m_values->cell_text(blanks, c), "");
}

TEST_F(CellsWorkbook, ReadsStringsLongerThanOneRecord) {
    // Written in 8224-byte records: the text goes on in CONTINUE records.
    const std::string wide = value_of("long wide text");
    const std::string alpha_to_delta = "\xCE\xB1\xCE\xB2\xCE\xB3\xCE\xB4";
    std::string expected_wide;
    for (int i = 0; i < 9000 / 4; ++i) expected_wide += alpha_to_delta;
    EXPECT_EQ(wide, expected_wide);

    const std::string narrow = value_of("long narrow text");
    std::string expected_narrow;
    for (int i = 0; i < 1000; ++i) expected_narrow += "abcdefghij";
    EXPECT_EQ(narrow, expected_narrow);
}

TEST_F(CellsWorkbook, HasSheetsOfEveryShape) {
    ASSERT_EQ(m_book.sheet_count(), 4u);

    const xls_sheet* header_only = m_book.find_sheet("Header only");
    ASSERT_NE(header_only, nullptr);
    EXPECT_EQ(header_only->row_count(), 1u);
    EXPECT_EQ(header_only->column_count(), 3u);
    EXPECT_EQ(header_only->header_text(2), "status_code");
    EXPECT_EQ(header_only->caption_text(0), "");
    EXPECT_EQ(header_only->cell_text(1, 0), "");

    const xls_sheet* repeated = m_book.find_sheet("Repeated");
    ASSERT_NE(repeated, nullptr);
    const xls_column* code = repeated->find_column("code");
    ASSERT_NE(code, nullptr);
    EXPECT_EQ(code->index(), 0u);
    EXPECT_EQ(code->caption(), "First code");
    EXPECT_EQ(code->text(2), "A1");
    EXPECT_EQ(repeated->header_map().size(), 2u);

    const xls_sheet* empty = m_book.find_sheet("Empty");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->row_count(), 1u);
    EXPECT_EQ(empty->column_count(), 0u);
    EXPECT_TRUE(empty->columns().empty());
}

TEST(ScheduleWorkbook, HasTheSheetsOfAnExport) {
    xls_workbook book;
    ASSERT_EQ(book.open(fixture("schedule.xls")), xls_workbook::kOpened);
    ASSERT_EQ(book.sheet_count(), 5u);
    const char* const names[] = {"TASK", "TASKPRED", "RSRC", "TASKRSRC", "USERDATA"};
    for (std::uint32_t i = 0; i < 5; ++i) EXPECT_EQ(book.sheet(i)->name(), names[i]);

    const xls_sheet& task = *book.find_sheet("TASK");
    EXPECT_EQ(task.row_count(), 242u) << "two header rows and 240 activities";
    EXPECT_EQ(task.column_count(), 9u);
    const xls_column* code = task.find_column("task_code");
    const xls_column* name = task.find_column("task_name");
    const xls_column* duration = task.find_column("target_drtn_hr_cnt");
    const xls_column* float_hours = task.find_column("total_float_hr_cnt");
    const xls_column* start = task.find_column("start_date");
    ASSERT_TRUE(code && name && duration && float_hours && start);
    EXPECT_EQ(code->caption(), "Activity ID");
    EXPECT_EQ(duration->caption(), "Original Duration(h)");
    EXPECT_EQ(code->text(2), "A1000");
    EXPECT_EQ(code->text(241), "A3390");
    EXPECT_EQ(name->text(3),
              "Pr\xC3\xBC"
              "fung Fundament 1");
    EXPECT_EQ(duration->text(3), "16.000000");
    EXPECT_EQ(float_hours->text(3), "-4.500000");
    EXPECT_EQ(start->text(2), "04-Mar-24 08:00") << "exports carry dates as text";

    const xls_sheet& links = *book.find_sheet("TASKPRED");
    EXPECT_EQ(links.column_text(links.find_column("pred_task_id"), 2), "A1000");
    EXPECT_EQ(links.column_text(links.find_column("task_id"), 2), "A1010");

    const xls_sheet& resources = *book.find_sheet("RSRC");
    EXPECT_EQ(resources.cell_text(2, 3), "Design, Review");
    EXPECT_EQ(resources.cell_text(3, 3), "") << "an empty role list";
    EXPECT_EQ(resources.cell_text(4, 4), "940.250000");

    const xls_sheet& userdata = *book.find_sheet("USERDATA");
    EXPECT_EQ(userdata.column_count(), 1u);
    EXPECT_EQ(userdata.row_count(), 3u);
    EXPECT_EQ(userdata.cell_text(0, 0), "user_data");
    EXPECT_EQ(userdata.cell_text(2, 0),
              "DurationQtyType=QT_Day\nSmallScaleQtyType=QT_Hour\nCurrencyFormat=Euro");
}

TEST(ScheduleWorkbook, StreamSpansSeveralSectors) {
    std::vector<std::uint8_t> stream;
    ASSERT_TRUE(read_workbook_stream(fixture("schedule.xls"), stream));
    EXPECT_GT(stream.size(), 4u * 4096u);
}

TEST(FuzzSeeds, ReadAsTheWorkbooksTheyAre) {
    const fs::path folder = fs::path(VARNHOLT_TEST_DATA_DIR) / "fuzz" / "xls";
    int seeds = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        SCOPED_TRACE(entry.path().filename().string());
        std::ifstream file(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> stream{std::istreambuf_iterator<char>(file), {}};
        xls_workbook book;
        EXPECT_EQ(book.open_stream(stream), xls_workbook::kOpened);
        EXPECT_GT(book.sheet_count(), 0u);
        ++seeds;
    }
    EXPECT_GE(seeds, 2);
}

}  // namespace
}  // namespace varnholt
