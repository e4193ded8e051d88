// number_formats.h - the process-wide formats of costs, quantities and percentages, and the
// renderings that use them. An import sets the formats from the loaded file's currency; the
// displays read them on every call.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace varnholt {

struct NumberFormat {
    std::wstring decimal_symbol = L".";
    std::wstring group_symbol = L",";
    std::wstring currency_symbol = L"$";
};

struct ValueFormats {
    NumberFormat unit_number_format;  // quantities and prices
    NumberFormat cost_number_format;  // costs
    // 1 shows percentages with no decimals, 2 with one, 3 with two; any other value none.
    std::int32_t percent_decimals = 1;
};

[[nodiscard]] ValueFormats& value_formats();
void ResetValueFormats();

// Puts group_symbol between every three digits of a run of integer digits, from the right.
[[nodiscard]] std::wstring group_digits(std::wstring_view digits, std::wstring_view group_symbol);

// A money amount in whole cents, halves rounding up: currency sign, grouped digits, decimal
// symbol and two digits, in parentheses when negative ("($1,234.50)"). Empty for NaN and
// infinities; any finite amount renders exactly, however large.
[[nodiscard]] std::wstring format_cost(double amount, const NumberFormat& format);

// A price in the unit number format, followed by suffix ("/h", "/unit"). Decimals code 0
// shows the stored number with "," between thousands; any other code two decimals
// ("$1,234.50/h"). Negative prices lead with a minus; non-finite ones show empty text.
[[nodiscard]] std::wstring format_price(double price, std::int32_t decimals, const NumberFormat& format,
                                        std::wstring_view suffix);

// A percentage rounded to the decimals that `percent_decimals` chooses, halves rounding up,
// with no trailing zeros and a "%" sign ("12.3%", "100%"). Empty for NaN and infinities.
[[nodiscard]] std::wstring format_percent(double percent, std::int32_t percent_decimals);

}  // namespace varnholt
