// number_formats.cpp - the format globals and the cost and percent renderings.

#include "number_formats.h"

#include "duration_text.h"
#include "number_text.h"

#include <algorithm>
#include <cmath>

namespace varnholt {

ValueFormats& value_formats() {
    static ValueFormats formats;
    return formats;
}

void ResetValueFormats() { value_formats() = ValueFormats{}; }

std::wstring group_digits(std::wstring_view digits, std::wstring_view group_symbol) {
    std::wstring out;
    out.reserve(digits.size() + digits.size() / 3 * group_symbol.size());
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += group_symbol;
        out += digits[i];
    }
    return out;
}

namespace {

// The magnitude of an amount in whole cents, halves rounding up: grouped units, the decimal
// symbol and two digits. The cents are an exact digit string, so no integer type can overflow
// on a huge amount.
std::wstring money_digits(double amount, const NumberFormat& format) {
    // Beyond about 1.8e306 the amount in cents overflows; such an amount is a whole number, so
    // its cents are "00".
    const double cents_value = std::floor(std::fabs(amount) * 100.0 + 0.5);
    std::wstring cents = std::isfinite(cents_value) ? format_fixed(cents_value, 0)
                                                    : format_fixed(std::fabs(amount), 0) + L"00";
    if (cents.size() < 3) cents.insert(0, 3 - cents.size(), L'0');
    const std::size_t units = cents.size() - 2;
    return group_digits(std::wstring_view(cents).substr(0, units), format.group_symbol) +
           format.decimal_symbol + cents.substr(units);
}

}  // namespace

std::wstring format_cost(double amount, const NumberFormat& format) {
    if (!std::isfinite(amount)) return {};
    const std::wstring text = format.currency_symbol + money_digits(amount, format);
    return amount < 0 ? L'(' + text + L')' : text;
}

std::wstring format_price(double price, std::int32_t decimals, const NumberFormat& format,
                          std::wstring_view suffix) {
    if (!std::isfinite(price)) return {};
    const std::wstring_view sign = price < 0 ? L"-" : L"";
    std::wstring number;
    if (decimals == 0) {
        // The stored number with a fixed "," between thousands, whatever the group symbol.
        const std::wstring stored = stored_form(std::fabs(price));
        const std::size_t point = std::min(stored.find(L'.'), stored.size());
        number = group_digits(std::wstring_view(stored).substr(0, point), L",") + stored.substr(point);
    } else {
        number = money_digits(price, format);
    }
    return std::wstring(sign) + format.currency_symbol + number + std::wstring(suffix);
}

std::wstring format_percent(double percent, std::int32_t percent_decimals) {
    if (!std::isfinite(percent)) return {};
    const double scale = percent_decimals == 2 ? 10.0 : percent_decimals == 3 ? 100.0 : 1.0;
    // Near the largest double the scaled percentage overflows: it is whole then, and needs no rounding.
    if (!std::isfinite(percent * scale)) return format_fixed(percent, 0) + L'%';
    double whole = 0.0;
    const double fraction = std::modf(percent * scale, &whole);
    // Halves round up; a negative product, whose fraction is negative, is cut toward zero.
    const double rounded = (fraction >= 0.5 ? whole + 1.0 : whole) / scale;
    double rounded_whole = 0.0;
    std::wstring text = std::modf(rounded, &rounded_whole) == 0.0
                            ? format_fixed(rounded, 0)      // whole numbers never in exponent form
                            : format_general(rounded, 6);   // at most six significant digits
    text += L'%';
    return text;
}

}  // namespace varnholt
