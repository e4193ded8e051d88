// xls_user_data.h - the USERDATA sheet of a workbook: the units the export shows durations and
// quantities in, and the name of its currency. Only the active display settings change, so
// the workbook's units hold for this document alone and never reach the settings file.
#pragma once

#include <string_view>

namespace varnholt {
class xls_sheet;
}

namespace varnholt::document {

class Document;

// A sheet of one column and three rows whose A1 reads "user_data" has its setting lines in
// A3, one per line. Whatever the sheet's shape, durations and quantities are then shown with
// the decimals they need and their unit label, and percentages with two decimals.
void ReadUserDataSheet(const xls_sheet* sheet, Document* doc);

// One setting line: "DurationQtyType=QT_Hour" .. "QT_Year" chooses the unit of durations,
// "SmallScaleQtyType=..." the unit of quantities, "CurrencyFormat=<name>" names currency 1.
// Lines compare exactly, letter case included; any other line is ignored.
void ApplyUserDataSetting(std::string_view line, Document& doc);

}  // namespace varnholt::document
