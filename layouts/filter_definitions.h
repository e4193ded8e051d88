// filter_definitions.h - the argument texts of filter conditions that activity layout files
// define: the value a text gives for a column's value kind, and the unit of time that duration
// and quantity texts carry ("[QT_Day=2]": 2 days). The layout store's filter readers use them.
#pragma once

#include "columns/column_codes.h"
#include "model/s_val.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace varnholt {

// Time-unit codes of duration and quantity arguments.
inline constexpr std::int32_t kTimeUnitHour = 0;
inline constexpr std::int32_t kTimeUnitDay = 1;
inline constexpr std::int32_t kTimeUnitWeek = 2;
inline constexpr std::int32_t kTimeUnitMonth = 3;
inline constexpr std::int32_t kTimeUnitYear = 4;

// The unit of an argument text: the text from its second character up to and including its
// first "=" compared exactly with "QT_Hour=", "QT_Day=", "QT_Week=", "QT_Month=", "QT_Year=".
// Any other token, a text without "=" or one whose "=" is its first character gives hours.
[[nodiscard]] std::int32_t TimeUnitFromToken(std::wstring_view text);

// A duration or quantity argument text: the number between its "=" and its last character,
// and its unit. Nullopt when the text has no "=", when the "=" is its first character, or when
// nothing follows the "=": such a text gives no argument.
struct unit_amount {
    double number = 0.0;
    std::int32_t unit = kTimeUnitHour;
};
[[nodiscard]] std::optional<unit_amount> ReadUnitAmount(std::wstring_view text);

// The value an argument text gives for a column of this value kind: flags ("Y"), numbers,
// texts, costs, percentages, dates ("CD", "CW", "CM" or a spreadsheet day number) and the
// enumerations by code or English caption. Empty for quantities and durations (read with
// their unit by ReadUnitAmount) and for the kinds that take no argument.
[[nodiscard]] s_val_ptr FilterValueFromText(ColumnValueKind kind, std::wstring_view text);

}  // namespace varnholt
