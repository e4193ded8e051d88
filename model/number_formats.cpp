// number_formats.cpp - the format globals and the cost and percent renderings.

#include "number_formats.h"

#include "number_text.h"

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

std::wstring format_cost(double amount, const NumberFormat& format) {
    if (!std::isfinite(amount)) return {};
    const bool negative = amount < 0;
    // Whole cents as an exact digit string: no integer type can overflow on a huge amount.
    std::wstring cents = format_fixed(std::floor(std::fabs(amount) * 100.0 + 0.5), 0);
    if (cents.size() < 3) cents.insert(0, 3 - cents.size(), L'0');
    const std::size_t units = cents.size() - 2;

    std::wstring out;
    if (negative) out += L'(';
    out += format.currency_symbol;
    out += group_digits(std::wstring_view(cents).substr(0, units), format.group_symbol);
    out += format.decimal_symbol;
    out += std::wstring_view(cents).substr(units);
    if (negative) out += L')';
    return out;
}

std::wstring format_percent(double percent, std::int32_t percent_decimals) {
    if (!std::isfinite(percent)) return {};
    const double scale = percent_decimals == 2 ? 10.0 : percent_decimals == 3 ? 100.0 : 1.0;
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
