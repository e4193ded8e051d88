// document_xls_test.cpp - whole workbooks written by our generator (tests/data/xls, over
// python3-xlwt): an export with every sheet the import reads, the flags that decide the Gantt
// chart's bars and relationship lines, and the files that are refused without leaving a
// partial schedule behind.

#include "../xls/biff_test_streams.h"
#include "columns/ColumnCatalog.h"
#include "model/display_settings.h"
#include "model/number_formats.h"
#include "model/records/ActvCodeRecord.h"
#include "model/records/CurrTypeRecord.h"
#include "model/records/ProjWbsRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/records/RoleRecord.h"
#include "model/records/RsrcRecord.h"
#include "model/records/TaskPredRecord.h"
#include "model/records/TaskRecord.h"
#include "model/text_utils.h"
#include "platform/path_text.h"
#include "xls_import_support.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace varnholt::document {
namespace {

namespace fs = std::filesystem;
using testing_support::SheetCells;
using testing_support::UserDataSheet;
using testing_support::WorkbookStream;
using testing_support::XlsImportTest;

// The generator writes them at test time into the build folder (a CTest fixture).
fs::path Fixture(const char* name) { return fs::path(VARNHOLT_XLS_FIXTURES) / name; }

const TaskRecord* ActivityOf(const Document& doc, std::wstring_view code) {
    for (const auto& task : doc.Tasks()) {
        if (task->task_code.text == code) return task.get();
    }
    ADD_FAILURE() << "no activity " << narrow_string(code);
    return nullptr;
}

class ExportWorkbookTest : public XlsImportTest {
protected:
    void SetUp() override {
        XlsImportTest::SetUp();
        ASSERT_TRUE(m_doc.Open(Fixture("export.xls").wstring()));
    }
    Document_xls m_doc;
};

TEST_F(ExportWorkbookTest, ReadsEverySheetOfTheExport) {
    EXPECT_TRUE(m_doc.Status());
    EXPECT_TRUE(m_doc.IsXls());
    EXPECT_FALSE(m_doc.IsXer());
    ASSERT_EQ(m_doc.Projects().size(), 1u);
    EXPECT_EQ(m_doc.Tasks().size(), 5u);
    EXPECT_EQ(m_doc.TaskPreds().size(), 4u) << "the relationship to A0999 is dropped alone";
    EXPECT_EQ(m_doc.Rsrcs().size(), 4u);
    const TaskRecord* pruefung = ActivityOf(m_doc, L"A1010");
    ASSERT_NE(pruefung, nullptr);
    EXPECT_EQ(pruefung->task_name.text, L"Pr\u00FCfung Fundament");
    EXPECT_EQ(pruefung->GetFieldValue(154)->to_string(), L"Pf\u00E4hle");
    EXPECT_EQ(pruefung->GetColumnValue(100003)->to_string(), L"Civil");
    EXPECT_EQ(pruefung->GetColumnValue(500001)->to_string(), L"EXE");
    EXPECT_EQ(pruefung->predecessors.size(), 1u);
    EXPECT_EQ(pruefung->successors.size(), 1u);
    EXPECT_EQ(m_doc.Rsrcs()[2]->rsrc_name.text, L"Gr\u00FAa torre");
}

// A workbook named in Latin-1, as old shares leave them, opens as under any other name.
TEST_F(ExportWorkbookTest, OpensUnderANameThatIsNotUtf8) {
    const fs::path folder = fs::temp_directory_path() / ("varnholt_xls_name_" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path latin = folder / "\xDC" "bergabe.xls";
    fs::copy_file(Fixture("export.xls"), latin);
    Document_xls doc;
    EXPECT_TRUE(doc.Open(WideFromPath(latin)));
    EXPECT_EQ(doc.Tasks().size(), m_doc.Tasks().size());
    fs::remove_all(folder);
}

TEST_F(ExportWorkbookTest, TakesTheDisplaySettingsAndCurrencyOfTheExport) {
    const UnitDisplaySettings& active = display_settings().active;
    EXPECT_EQ(active.duration_UnitOfTime, kUnitDay) << "CR LF lines apply";
    EXPECT_EQ(active.unit_UnitOfTime, kUnitHour);
    EXPECT_EQ(m_doc.FindCurrency(s_unsigned_long(1))->curr_type.text, L"Euro");
    EXPECT_EQ(value_formats().cost_number_format.currency_symbol, L"\u20AC");
    EXPECT_EQ(value_formats().percent_decimals, 3);
}

TEST_F(ExportWorkbookTest, DerivedPassesMakeMilestonesAndProgressDates) {
    const TaskRecord* piles_done = ActivityOf(m_doc, L"A1030");  // a finish without a start
    const TaskRecord* handover = ActivityOf(m_doc, L"A1040");    // a start without a finish
    const TaskRecord* mobilisation = ActivityOf(m_doc, L"A1000");
    const TaskRecord* pruefung = ActivityOf(m_doc, L"A1010");
    ASSERT_TRUE(piles_done && handover && mobilisation && pruefung);
    EXPECT_EQ(piles_done->task_type.value, 4);
    EXPECT_EQ(piles_done->start_date.seconds, piles_done->end_date.seconds);
    EXPECT_EQ(handover->task_type.value, 3);
    EXPECT_EQ(handover->end_date.seconds, handover->start_date.seconds);
    EXPECT_EQ(mobilisation->act_progress_date.seconds, mobilisation->end_date.seconds) << "completed";
    EXPECT_EQ(pruefung->act_progress_date.seconds, pruefung->restart_date.seconds) << "in progress";
    EXPECT_EQ(m_doc.Rsrcs()[3]->rates[0]->cost_per_qty.kind, s_unit::kPricePerUnit) << "material";
    EXPECT_EQ(m_doc.Rsrcs()[1]->rates[0]->cost_per_qty.kind, s_unit::kPricePerHour) << "labor";
}

// What the Gantt chart asks of a workbook: the progress bars need seven activity columns, the
// bar of start and finish needs those two, and relationship lines need one or the other.
TEST_F(XlsImportTest, ColumnsDecideTheGanttFlags) {
    struct Case {
        const char* why;
        const char* file;
        bool missing_schedule_columns;
        bool start_and_finish;
        bool relationship_lines;
    };
    const Case cases[] = {
        {"every progress column", "export.xls", false, true, true},
        {"start and finish only", "bars_only.xls", true, true, true},
        {"no finish column", "no_finish.xls", true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        ColumnCatalog::Instance().BuildAllColumns();
        Document_xls doc;
        ASSERT_TRUE(doc.Open(Fixture(c.file).wstring()));
        EXPECT_EQ(doc.IsMissingScheduleColumns(), c.missing_schedule_columns);
        EXPECT_EQ(doc.HasStartAndFinishColumns(), c.start_and_finish);
        EXPECT_EQ(doc.ShowsRelationshipLines(), c.relationship_lines);
        EXPECT_FALSE(doc.TaskPreds().empty()) << "each has relationships to draw";
    }
}

class RefusedWorkbookTest : public XlsImportTest {
protected:
    void SetUp() override {
        XlsImportTest::SetUp();
        m_dir = fs::temp_directory_path() / ("varnholt_xls_import_" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
    }
    void TearDown() override {
        fs::remove_all(m_dir);
        XlsImportTest::TearDown();
    }
    fs::path m_dir;
};

TEST_F(RefusedWorkbookTest, RefusesWithoutKeepingAPartialSchedule) {
    const fs::path text_file = m_dir / "schedule.xls";
    std::ofstream(text_file) << "ERMHDR\t8.0\n";
    const fs::path truncated = m_dir / "truncated.xls";
    fs::copy_file(Fixture("export.xls"), truncated);
    fs::resize_file(truncated, fs::file_size(truncated) / 2);
    const fs::path signature_only = m_dir / "signature.xls";
    std::ofstream(signature_only, std::ios::binary) << "\xD0\xCF\x11\xE0 and nothing more";

    struct Case { const char* why; fs::path path; xls_import_error error; } const cases[] = {
        {"a workbook without USERDATA", Fixture("no_userdata.xls"), xls_import_error::no_user_data},
        {"a text file named .xls", text_file, xls_import_error::unreadable},
        {"a truncated workbook", truncated, xls_import_error::unreadable},
        {"a compound-file signature and nothing behind it", signature_only, xls_import_error::unreadable},
        {"a file that is not there", m_dir / "missing.xls", xls_import_error::unreadable},
    };
    const std::uint8_t task_code_present = ColumnCatalog::Instance().FindActivityByColumnId(130)->present;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        Document_xls doc;
        EXPECT_FALSE(doc.Open(c.path.wstring()));
        EXPECT_EQ(doc.Status().error, c.error);
        EXPECT_TRUE(doc.Projects().empty());
        EXPECT_TRUE(doc.CurrTypes().empty());
        EXPECT_TRUE(doc.Tasks().empty());
        EXPECT_EQ(ColumnCatalog::Instance().FindActivityByColumnId(130)->present, task_code_present)
            << "the catalogue is left as it was";
        EXPECT_EQ(display_settings().active, display_settings().saved);
    }
}

TEST_F(RefusedWorkbookTest, RefusesAnEncryptedWorkbook) {
    const std::vector<std::uint8_t> stream =
        test::workbook_stream({{"USERDATA", {}}}, test::record(test::rec::kFilePass, test::bytes(6, 0)));
    Document_xls doc;
    EXPECT_FALSE(doc.LoadStream(stream));
    EXPECT_EQ(doc.Status().error, xls_import_error::unreadable);
    EXPECT_EQ(doc.Status().workbook.records.error, biff_error::encrypted);
    EXPECT_TRUE(doc.Projects().empty());
}

TEST_F(RefusedWorkbookTest, TheUserDataSheetNameIsExact) {
    for (const char* name : {"userdata", "USERDATA ", "User Data"}) {
        SCOPED_TRACE(name);
        SheetCells sheet = UserDataSheet();
        sheet.name = name;
        Document_xls doc;
        EXPECT_FALSE(doc.LoadStream(WorkbookStream({sheet})));
        EXPECT_EQ(doc.Status().error, xls_import_error::no_user_data);
    }
}

// The fuzz seeds of the workbook reader, and damaged forms of the export's stream: each load
// completes or answers false, and never reads outside its buffers (the sanitizers watch).
TEST_F(XlsImportTest, DamagedWorkbooksLoadOrAreRefused) {
    int seeds = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(VARNHOLT_TEST_DATA_DIR) / "fuzz" / "xls")) {
        SCOPED_TRACE(entry.path().filename().string());
        std::ifstream file(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> stream{std::istreambuf_iterator<char>(file), {}};
        Document_xls doc;
        (void)doc.LoadStream(stream);
        ++seeds;
    }
    EXPECT_GE(seeds, 2);

    std::vector<std::uint8_t> stream;
    ASSERT_TRUE(read_workbook_stream(Fixture("export.xls").string(), stream));
    const std::size_t step = stream.size() / 61 + 1;
    for (std::size_t at = 0; at < stream.size(); at += step) {
        SCOPED_TRACE(at);
        ColumnCatalog::Instance().BuildAllColumns();
        Document_xls cut;
        (void)cut.LoadStream(std::span(stream).first(at));
        std::vector<std::uint8_t> flipped = stream;
        flipped[at] ^= 0xA5;
        Document_xls damaged;
        if (!damaged.LoadStream(flipped)) {
            EXPECT_TRUE(damaged.Projects().empty());
        }
    }
}

}  // namespace
}  // namespace varnholt::document
