// xls_user_data_test.cpp - splitting workbook text, and the USERDATA sheet: which lines set
// the display units and the currency, and what every workbook sets whatever the sheet says.

#include "import/xls_text.h"
#include "model/display_settings.h"
#include "model/number_formats.h"
#include "model/records/CurrTypeRecord.h"
#include "xls_import_support.h"

#include <gtest/gtest.h>

namespace varnholt::document {
namespace {

using testing_support::LoadSheets;
using testing_support::SheetCells;
using testing_support::UserDataSheet;
using testing_support::XlsImportTest;
using Tokens = std::vector<std::string>;

TEST(XlsText, SplitsIntoTrimmedNonEmptyTokens) {
    struct Case { const char* why; std::string_view text; std::string_view delimiters; Tokens tokens; };
    const Case cases[] = {
        {"plain path", "P.A.B", ".", {"P", "A", "B"}}, {"runs of delimiters count as one", "P..A", ".", {"P", "A"}},
        {"leading and trailing delimiters give no token", ".P.A.", ".", {"P", "A"}},
        {"blanks around a token go", " A , B ", ",", {"A", "B"}},
        {"CR LF lines compare like LF ones", "x=1\r\ny=2\r\n", "\n", {"x=1", "y=2"}},
        {"a blank before the CR goes too", "x=1 \r\ny", "\n", {"x=1", "y"}},
        {"a token of blanks only is dropped", "A, ,B", ",", {"A", "B"}},
        {"blanks inside a token stay", "Site Crew.Day Shift", ".", {"Site Crew", "Day Shift"}},
        {"empty text", "", ".", {}}, {"delimiters only", "...", ".", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(SplitText(c.text, c.delimiters), c.tokens);
    }
}

TEST(XlsText, ReadsDigitsWithoutOverflow) {
    EXPECT_TRUE(all_digits(""));
    EXPECT_TRUE(all_digits("0123"));
    EXPECT_FALSE(all_digits("12a"));
    EXPECT_FALSE(all_digits("-1"));
    EXPECT_EQ(digits_value("0007"), 7u);
    EXPECT_EQ(digits_value("2147483647"), 2147483647u);
    EXPECT_EQ(digits_value("99999999999999999999"), 2147483647u) << "saturates at the largest key";
}

class UserDataSheetTest : public XlsImportTest {};

TEST_F(UserDataSheetTest, LinesSetTheActiveUnitsOnly) {
    struct Case { const char* why; std::string lines; std::int32_t duration_unit; std::int32_t quantity_unit; };
    const Case cases[] = {
        {"both units", "DurationQtyType=QT_Week\nSmallScaleQtyType=QT_Month", kUnitWeek, kUnitMonth},
        {"hours and years", "DurationQtyType=QT_Hour\nSmallScaleQtyType=QT_Year", kUnitHour, kUnitYear},
        {"CR LF line ends", "DurationQtyType=QT_Month\r\nSmallScaleQtyType=QT_Hour\r\n", kUnitMonth, kUnitHour},
        {"blanks after a line are trimmed", "DurationQtyType=QT_Year   \nSmallScaleQtyType=QT_Week ", kUnitYear,
         kUnitWeek},
        {"other letter case is not a setting", "durationqtytype=QT_Hour\nSmallScaleQtyType=qt_hour", kUnitDay, kUnitDay},
        {"the later of two lines wins", "DurationQtyType=QT_Hour\nDurationQtyType=QT_Week", kUnitWeek, kUnitDay},
        {"unknown lines are ignored", "Foo=Bar\nDurationQtyType=QT_Fortnight", kUnitDay, kUnitDay},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        ResetDisplaySettings();
        display_settings().active.duration_UnitOfTime = kUnitDay;
        display_settings().active.unit_UnitOfTime = kUnitDay;
        const UnitDisplaySettings saved = display_settings().saved;
        const auto doc = LoadSheets({UserDataSheet(c.lines)});
        EXPECT_EQ(display_settings().active.duration_UnitOfTime, c.duration_unit);
        EXPECT_EQ(display_settings().active.unit_UnitOfTime, c.quantity_unit);
        EXPECT_EQ(display_settings().saved, saved) << "the settings file keeps the user's own units";
    }
}

}  // namespace
}  // namespace varnholt::document
