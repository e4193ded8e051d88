// xls_user_data.cpp - the settings lines of a workbook's USERDATA sheet.

#include "import/xls_user_data.h"

#include "import/xls/xls_sheet.h"
#include "import/xls_text.h"
#include "model/Document.h"
#include "model/display_settings.h"
#include "model/number_formats.h"
#include "model/records/CurrTypeRecord.h"

#include <cstdint>
#include <string>

namespace varnholt::document {

namespace {

struct UnitLine {
    std::string_view line;
    std::int32_t UnitDisplaySettings::*setting;
    std::int32_t unit;
};

constexpr UnitLine kUnitLines[] = {
    {"DurationQtyType=QT_Hour", &UnitDisplaySettings::duration_UnitOfTime, kUnitHour},
    {"DurationQtyType=QT_Day", &UnitDisplaySettings::duration_UnitOfTime, kUnitDay},
    {"DurationQtyType=QT_Week", &UnitDisplaySettings::duration_UnitOfTime, kUnitWeek},
    {"DurationQtyType=QT_Month", &UnitDisplaySettings::duration_UnitOfTime, kUnitMonth},
    {"DurationQtyType=QT_Year", &UnitDisplaySettings::duration_UnitOfTime, kUnitYear},
    {"SmallScaleQtyType=QT_Hour", &UnitDisplaySettings::unit_UnitOfTime, kUnitHour},
    {"SmallScaleQtyType=QT_Day", &UnitDisplaySettings::unit_UnitOfTime, kUnitDay},
    {"SmallScaleQtyType=QT_Week", &UnitDisplaySettings::unit_UnitOfTime, kUnitWeek},
    {"SmallScaleQtyType=QT_Month", &UnitDisplaySettings::unit_UnitOfTime, kUnitMonth},
    {"SmallScaleQtyType=QT_Year", &UnitDisplaySettings::unit_UnitOfTime, kUnitYear},
};

constexpr std::string_view kCurrencyPrefix = "CurrencyFormat=";

// Decimals code 0 shows a number with the decimals it needs; percent code 3 two decimals.
constexpr std::int32_t kNeededDecimals = 0;
constexpr std::int32_t kTwoPercentDecimals = 3;

}  // namespace

void ReadUserDataSheet(const xls_sheet* sheet, Document* doc) {
    if (sheet == nullptr || doc == nullptr) return;
    if (sheet->column_count() == 1 && sheet->row_count() == 3 && sheet->cell_text(0, 0) == "user_data") {
        for (const std::string& line : SplitText(sheet->cell_text(2, 0), "\n")) ApplyUserDataSetting(line, *doc);
    }
    UnitDisplaySettings& active = display_settings().active;
    active.duration_Decimals = kNeededDecimals;
    active.duration_ShowDurationLabel = true;
    active.unit_Decimals = kNeededDecimals;
    active.unit_ShowDurationLabel = true;
    value_formats().percent_decimals = kTwoPercentDecimals;
}

void ApplyUserDataSetting(std::string_view line, Document& doc) {
    for (const UnitLine& unit_line : kUnitLines) {
        if (line == unit_line.line) {
            display_settings().active.*unit_line.setting = unit_line.unit;
            return;
        }
    }
    if (!line.starts_with(kCurrencyPrefix)) return;
    if (CurrTypeRecord* currency = doc.FindCurrency(s_unsigned_long(1))) {
        currency->curr_type = s_string(line.substr(kCurrencyPrefix.size()));
    }
}

}  // namespace varnholt::document
