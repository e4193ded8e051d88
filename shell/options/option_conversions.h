// option_conversions.h - the option pages' texts and the settings codes behind them, both
// ways. Names compare without regard to letter case; a text that matches nothing falls back
// to a fixed code.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt {

// Time units 0 hour .. 4 year; an unknown code shows as hour, an unknown name reads as day.
[[nodiscard]] std::wstring UnitTimeName(std::int32_t code);
[[nodiscard]] std::int32_t UnitTimeCode(std::wstring_view name);
[[nodiscard]] std::vector<std::wstring> UnitTimeNames();  // in code order

// Decimals 1, 2, 3 show as "0", "1", "2"; an unknown code shows as "0", an unknown text reads 1.
[[nodiscard]] std::wstring DecimalsText(std::int32_t code);
[[nodiscard]] std::int32_t DecimalsCode(std::wstring_view text);
[[nodiscard]] std::vector<std::wstring> DecimalsTexts();

// Vertical grid-line scales; an unknown code shows as month, an unknown name reads as 2.
[[nodiscard]] std::wstring ScaleName(std::int32_t code);
[[nodiscard]] std::int32_t ScaleCode(std::wstring_view name);
// The scales the gridlines page offers: day, week, month.
[[nodiscard]] std::vector<std::int32_t> OfferedScaleCodes();

// The horizontal interval typed by the user: the leading integer, 0 when there is none,
// brought into 1..100. A number too long for an integer counts as very large.
[[nodiscard]] std::uint32_t HorizontalIntervalFromText(std::wstring_view text);

}  // namespace varnholt
