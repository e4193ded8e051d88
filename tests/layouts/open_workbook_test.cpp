// open_workbook_test.cpp - opening .xls workbooks (written by our generator in tests/data/xls)
// through the one open road: the new store and its workbook document, the Gantt bars of the
// shipped activity layouts after the open, and the refused files.

#include "layouts/GanttBarSet.h"
#include "layouts/Layout.h"
#include "layouts/LayoutStore.h"
#include "layouts/open_sequence.h"
#include "layouts/settings_file.h"
#include "layouts_test_support.h"
#include "model/display_settings.h"
#include "model/number_formats.h"
#include "model/s_unit.h"
#include "model/text_utils.h"
#include "rows/display_scale.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace varnholt {
namespace {

using testing_layouts::LayoutsTest;
using testing_layouts::SourceProgramFolder;
using testing_layouts::WriteBytes;

// The generator writes them at test time into the build folder (a CTest fixture).
std::wstring Workbook(const char* name) { return WideFromPath(std::filesystem::path(VARNHOLT_XLS_FIXTURES) / name); }

class OpenWorkbookTest : public LayoutsTest {
protected:
    std::unique_ptr<LayoutStore> m_store;
};

TEST_F(OpenWorkbookTest, AWorkbookOpensIntoANewStore) {
    ASSERT_TRUE(OpenSchedule(m_store, Workbook("export.xls")));
    ASSERT_NE(m_store, nullptr);
    const document::Document* schedule = m_store->GetDocument();
    ASSERT_NE(schedule, nullptr);
    EXPECT_TRUE(schedule->IsXls());
    EXPECT_EQ(schedule->Tasks().size(), 5u);
    EXPECT_EQ(display_settings().active.duration_UnitOfTime, kUnitDay) << "the workbook's own units";

    // The next file starts again from the user's saved settings.
    ASSERT_TRUE(OpenSchedule(m_store, WideFromPath(SourceProgramFolder() / "tests/data/xer/small_schedule.xer")));
    EXPECT_EQ(display_settings().active, display_settings().saved);
}

// Each file shows prices and costs in its own currency: nothing is left over from the last.
// (Workbooks show prices with the one decimal their settings give.)
TEST_F(OpenWorkbookTest, EachOpenShowsItsOwnCurrency) {
    const auto write_xer = [this](const char* currency) {
        const std::filesystem::path xer = m_data_home.path() / (std::string(currency) + ".xer");
        WriteBytes(xer, std::string("ERMHDR\t8.0\t2024-01-02\tProject\tadmin\tAdmin\tdb\tPM\t") + currency +
                            "\r\n%T\tCURRTYPE\r\n%F\tcurr_id\tcurr_symbol\tdecimal_symbol\tdigit_group_symbol\tcurr_short_name\r\n"
                            "%R\t1\t\xE2\x82\xAC\t,\t.\tEUR\r\n%R\t2\t\xC2\xA3\t.\t,\tGBP\r\n%E\r\n");
        return WideFromPath(xer);
    };
    struct Step { const char* why; std::wstring path; std::wstring price; } const steps[] = {
        {"a workbook in euros", Workbook("export.xls"), L"\u20AC1,234.5/h"},
        {"then a file in pounds", write_xer("GBP"), L"\u00A31,234.50/h"},
        {"then a file in euros with a decimal comma", write_xer("EUR"), L"\u20AC1.234,50/h"},
        {"then a workbook naming no currency", Workbook("bars_only.xls"), L"$1,234.5/h"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.why);
        ASSERT_TRUE(OpenSchedule(m_store, step.path));
        EXPECT_EQ(s_unit(1234.5, s_unit::kPricePerHour).to_string(), step.price);
        EXPECT_EQ(value_formats().cost_number_format.currency_symbol, value_formats().unit_number_format.currency_symbol);
    }
}

TEST_F(OpenWorkbookTest, RefusedAndFailedWorkbooks) {
    const std::filesystem::path text = m_data_home.path() / "plan.xls";
    WriteBytes(text, "ERMHDR\t8.0\r\n");
    const std::filesystem::path damaged = m_data_home.path() / "damaged.XLS";
    WriteBytes(damaged, "\xD0\xCF\x11\xE0 and nothing behind the signature");

    EXPECT_EQ(OpenSchedule(m_store, WideFromPath(text)).error, open_error::not_a_schedule);
    EXPECT_EQ(m_store, nullptr) << "a refused file leaves the store alone";

    for (const std::wstring& path : {WideFromPath(damaged), Workbook("no_userdata.xls")}) {
        SCOPED_TRACE(narrow_string(path));
        EXPECT_EQ(OpenSchedule(m_store, path).error, open_error::load_failed);
        EXPECT_EQ(m_store, nullptr) << "no partial schedule: the store is as it was";
        EXPECT_EQ(ColumnCatalog::Instance().FindActivityByColumnId(100003), nullptr);
    }
}

}  // namespace
}  // namespace varnholt
