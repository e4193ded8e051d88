// xls_workbook_test.cpp - the workbook wrapper: what open() answers for each kind of file, sheet
// lookup by name, and the sheet's view of cells, field names and captions.

#include "import/xls/xls_workbook.h"

#include "biff_test_streams.h"
#include "compound_file_writer.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>

namespace varnholt {
namespace {

namespace fs = std::filesystem;
using test::bytes;
using test::join;

// Each test writes its files into a folder of its own, removed afterwards.
class XlsFiles : public testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("varnholt_xls_" + std::to_string(::getpid()) + "_" +
                 testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path write_file(const std::string& name, const bytes& content) const {
        const fs::path path = m_dir / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(content.data()),
                   static_cast<std::streamsize>(content.size()));
        return path;
    }
    fs::path write_compound(const std::string& name, const std::string& stream_name,
                            const bytes& stream) const {
        const fs::path path = m_dir / name;
        EXPECT_TRUE(test::write_compound_file(path, stream_name, stream));
        return path;
    }

    fs::path m_dir;
};

bytes text_bytes(std::string_view text) { return bytes(text.begin(), text.end()); }

// A valid workbook stream whose one sheet has `rows` numbered rows; large enough rows make the
// stream span several 4096-byte sectors.
bytes numbered_rows_stream(std::uint16_t rows) {
    bytes records;
    for (std::uint16_t r = 0; r < rows; ++r) test::append(records, test::number(r, 0, r));
    return test::one_sheet_stream(records);
}

TEST_F(XlsFiles, OpenAnswersByWhatTheFileIs) {
    const bytes small_stream = numbered_rows_stream(3);
    const bytes large_stream = numbered_rows_stream(1000);
    ASSERT_GT(large_stream.size(), 4096u);
    const fs::path truncated = write_compound("cut.xls", "Workbook", large_stream);
    fs::resize_file(truncated, 1536);

    struct Case { const char* why; fs::path path; int answer; ole_error container; bool records_read; };
    constexpr int kNotCompound = xls_workbook::kNotCompoundFile, kFailed = xls_workbook::kOpenFailed,
                  kOpened = xls_workbook::kOpened;
    const Case cases[] = {
        {"text file with the workbook extension", write_file("schedule.xls", text_bytes("ERMHDR\t8.0\n")),
         kNotCompound, ole_error::none, true},
        {"missing file", m_dir / "missing.xls", kNotCompound, ole_error::none, true},
        {"empty file", write_file("empty.xls", {}), kNotCompound, ole_error::none, true},
        {"one signature byte only", write_file("one.xls", {0xD0}), kNotCompound, ole_error::none, true},
        {"a folder", m_dir, kNotCompound, ole_error::none, true},
        {"D0 CF then junk", write_file("junk.xls", join({bytes{0xD0, 0xCF}, bytes(600, 0x41)})), kFailed,
         ole_error::not_compound_file, true},
        {"compound file cut short", truncated, kFailed, ole_error::not_compound_file, true},
        {"compound file without a workbook stream", write_compound("other.xls", "Other", small_stream), kFailed,
         ole_error::no_workbook_stream, true},
        {"workbook stream of damaged records",
         write_compound("damaged.xls", "Workbook", bytes(small_stream.begin(), small_stream.end() - 4)), kFailed,
         ole_error::none, false},
        {"small stream, kept in the small-block area", write_compound("small.xls", "Workbook", small_stream),
         kOpened, ole_error::none, true},
        {"stream of several sectors", write_compound("large.xls", "Workbook", large_stream), kOpened,
         ole_error::none, true},
        {"stream of the older name", write_compound("book.xls", "Book", small_stream), kOpened, ole_error::none, true},
        {"stream name in other letter case", write_compound("upper.xls", "WORKBOOK", small_stream), kOpened,
         ole_error::none, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        xls_workbook book;
        EXPECT_EQ(book.open(c.path.string()), c.answer);
        EXPECT_EQ(book.status().container, c.container);
        EXPECT_EQ(static_cast<bool>(book.status().records), c.records_read);
        EXPECT_EQ(static_cast<bool>(book.status()), c.answer == xls_workbook::kOpened);
        if (c.answer != xls_workbook::kOpened) {
            EXPECT_EQ(book.sheet_count(), 0u);
        }
    }
}

// A workbook with sheets "TASK", "task", a second "TASK" and "USERDATA", each told apart by the
// number in its cell (0, 0).
bytes four_sheets_stream() {
    return test::workbook_stream({{"TASK", test::number(0, 0, 1)},
                                  {"task", test::number(0, 0, 2)}, {"TASK", test::number(0, 0, 3)},
                                  {"USERDATA", test::number(0, 0, 4)}});
}

TEST(XlsWorkbook, FailedOpenLeavesNothingOfAnEarlierOne) {
    const bytes good = four_sheets_stream();
    const bytes damaged(good.begin(), good.end() - 1);
    xls_workbook book;
    ASSERT_EQ(book.open_stream(good), xls_workbook::kOpened);
    EXPECT_EQ(book.open_stream(damaged), xls_workbook::kOpenFailed);
    EXPECT_EQ(book.status().records.error, biff_error::truncated_record);
    EXPECT_EQ(book.sheet_count(), 0u);
    book.load_sheets();
    EXPECT_EQ(book.sheet_count(), 0u) << "no workbook is held to load sheets from";
}

// Sheet "TASK": field names in row 0 (one repeated, one missing, one a number), captions in
// row 1, two data rows.
bytes task_sheet_stream() {
    const bytes records = join({
        test::label_sst(0, 0, 0), test::label_sst(0, 1, 1), test::label_sst(0, 2, 0), test::number(0, 4, 5),
        test::label_sst(1, 0, 2), test::label_sst(1, 1, 3), test::label_sst(1, 2, 4),
        test::label_sst(2, 0, 5), test::label_sst(2, 1, 6), test::number(2, 4, 8),
        test::label_sst(3, 0, 7),
    });
    return test::workbook_stream(
        {{"TASK", records}},
        test::sst({test::xl_string("task_code"), test::xl_string("task_name"),
                   test::xl_string("Activity ID"), test::xl_string("Activity Name"),
                   test::xl_string("Copy"), test::xl_string("A1000"),
                   test::xl_string(u"M\u00FCll", false), test::xl_string("A1010")}));
}

// The sheet "TASK" of task_sheet_stream(), opened.
class XlsSheet : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(m_book.open_stream(m_stream), xls_workbook::kOpened); }
    const bytes m_stream = task_sheet_stream();
    xls_workbook m_book;
    const xls_sheet& sheet() const { return *m_book.find_sheet("TASK"); }
};

TEST_F(XlsSheet, MapsFieldNamesToTheirFirstColumn) {
    const xls_sheet& sheet = this->sheet();
    EXPECT_EQ(sheet.column_count(), 5u);
    EXPECT_EQ(sheet.row_count(), 4u);

    const std::map<std::string, std::uint32_t, std::less<>> expected = {
        {"task_code", 0}, {"task_name", 1}, {"", 3}, {"5.000000", 4}};
    EXPECT_EQ(sheet.header_map(), expected);

    struct Case { const char* why; const char* name; int column; };  // column -1: none
    const Case cases[] = {
        {"a name", "task_name", 1}, {"a repeated name gives its first column", "task_code", 0},
        {"letter case counts", "TASK_CODE", -1},
        {"a numeric field name reads as its number text", "5.000000", 4}, {"an unknown name", "wbs_id", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const xls_column* column = sheet.find_column(c.name);
        if (c.column < 0) {
            EXPECT_EQ(column, nullptr);
        } else {
            ASSERT_NE(column, nullptr);
            EXPECT_EQ(column->index(), static_cast<std::uint32_t>(c.column));
            EXPECT_EQ(column->sheet(), &sheet);
        }
    }
}

TEST_F(XlsSheet, ColumnsReadTheirCaptionsAndCells) {
    const xls_sheet& sheet = this->sheet();
    ASSERT_EQ(sheet.columns().size(), 5u);
    EXPECT_EQ(sheet.columns()[0].caption(), "Activity ID");
    EXPECT_EQ(sheet.columns()[2].caption(), "Copy");
    EXPECT_EQ(sheet.columns()[3].caption(), "") << "no caption cell";

    const xls_column* name = sheet.find_column("task_name");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->header_text(), "task_name");
    EXPECT_EQ(name->caption_text(), "Activity Name");
    EXPECT_EQ(name->text(2), "M\xC3\xBCll");
    EXPECT_EQ(sheet.column_text(name, 2), "M\xC3\xBCll");
    EXPECT_EQ(name->text(3), "") << "no cell in that row";
    EXPECT_EQ(name->text(4), "") << "row count reached";
    EXPECT_EQ(sheet.column_text(nullptr, 2), "");
    const xls_column detached(nullptr, 0, "");
    EXPECT_EQ(sheet.column_text(&detached, 2), "") << "a column of no sheet reads nothing";

    ASSERT_EQ(sheet.rows().size(), 4u);
    EXPECT_EQ(sheet.rows()[3].index, 3u);
    EXPECT_EQ(sheet.rows()[3].sheet, &sheet);
}

TEST_F(XlsSheet, ReadsNothingOutsideTheSheet) {
    const xls_sheet& sheet = this->sheet();
    struct Case { const char* why; std::string text; const char* expected; } const cases[] = {
        {"a cell", sheet.cell_text(2, 0), "A1000"}, {"a number cell", sheet.cell_text(2, 4), "8.000000"},
        {"an absent cell", sheet.cell_text(3, 1), ""}, {"the row count", sheet.cell_text(4, 0), ""},
        {"the extra cell at the column count", sheet.cell_text(2, 5), ""},
        {"past the extra cell", sheet.cell_text(2, 6), ""}, {"header of a column", sheet.header_text(1), "task_name"},
        {"header at the column count", sheet.header_text(5), ""},
        {"caption of a column", sheet.caption_text(0), "Activity ID"},
        {"caption at the column count", sheet.caption_text(5), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(c.text, c.expected);
    }
}

}  // namespace
}  // namespace varnholt
