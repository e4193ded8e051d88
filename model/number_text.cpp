// number_text.cpp - locale-free number reading and writing on top of std::from_chars/to_chars.

#include "number_text.h"

#include "text_utils.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace varnholt {

namespace {

constexpr bool is_space(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\f' || c == L'\r';
}
constexpr bool is_digit(wchar_t c) { return c >= L'0' && c <= L'9'; }

std::size_t skip_space(std::wstring_view text, std::size_t pos) {
    while (pos < text.size() && is_space(text[pos])) ++pos;
    return pos;
}

std::size_t skip_digits(std::wstring_view text, std::size_t pos) {
    while (pos < text.size() && is_digit(text[pos])) ++pos;
    return pos;
}

// Copies the leading number's characters (all ASCII by construction) into a narrow buffer for
// std::from_chars, which neither skips space nor accepts a leading '+'.
std::string leading_number(std::wstring_view text) {
    std::size_t pos = skip_space(text, 0);
    std::string number;
    if (pos < text.size() && (text[pos] == L'+' || text[pos] == L'-')) {
        if (text[pos] == L'-') number += '-';
        ++pos;
    }
    const std::size_t int_begin = pos;
    pos = skip_digits(text, pos);
    std::size_t digits = pos - int_begin;
    std::size_t end = pos;
    if (pos < text.size() && text[pos] == L'.') {
        const std::size_t frac_end = skip_digits(text, pos + 1);
        digits += frac_end - (pos + 1);
        end = frac_end;
    }
    if (digits == 0) return {};
    // An exponent counts only when digits follow it ("3e" reads as 3).
    if (end < text.size() && (text[end] == L'e' || text[end] == L'E')) {
        std::size_t exp = end + 1;
        if (exp < text.size() && (text[exp] == L'+' || text[exp] == L'-')) ++exp;
        const std::size_t exp_end = skip_digits(text, exp);
        if (exp_end > exp) end = exp_end;
    }
    for (std::size_t i = int_begin; i < end; ++i) number += static_cast<char>(text[i]);
    return number;
}

std::wstring chars_to_wide(const char* begin, std::to_chars_result result) {
    return result.ec == std::errc{} ? ascii_to_wide({begin, result.ptr}) : std::wstring{};
}

// Whether a number that from_chars found out of range is too large rather than too small: the
// power of ten of its first non-zero digit, plus the exponent, is then positive. The texts come
// from leading_number, so they hold only a sign, digits, one "." and an exponent.
bool beyond_largest(std::string_view number) {
    std::int64_t power = 0;
    bool significant = false;
    bool fraction = false;
    std::size_t pos = number.front() == '-' ? 1 : 0;
    for (; pos < number.size() && number[pos] != 'e' && number[pos] != 'E'; ++pos) {
        const char c = number[pos];
        if (c == '.') {
            fraction = true;
            continue;
        }
        if (c != '0') significant = true;
        if (significant && fraction) break;  // the first non-zero digit after the "."
        if (significant) ++power;            // an integer digit from the first non-zero one on
        else if (fraction) --power;          // a zero between the "." and that digit
    }
    std::int64_t exponent = 0;
    const std::size_t mark = number.find_first_of("eE");
    if (mark != std::string_view::npos) {
        std::size_t digit = mark + 1;
        const bool negative = digit < number.size() && number[digit] == '-';
        if (digit < number.size() && (number[digit] == '-' || number[digit] == '+')) ++digit;
        for (; digit < number.size(); ++digit)
            exponent = std::min<std::int64_t>(exponent * 10 + (number[digit] - '0'), 1'000'000'000);
        if (negative) exponent = -exponent;
    }
    return power + exponent > 0;
}

}  // namespace

double number_from_text(std::wstring_view text) noexcept {
    const std::string number = leading_number(text);
    if (number.empty()) return 0.0;
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value untouched on range errors; like strtod, a number too large
        // reads as an infinity (which every display shows empty) and one too small as zero.
        const double magnitude = beyond_largest(number) ? std::numeric_limits<double>::infinity() : 0.0;
        return number.front() == '-' ? -magnitude : magnitude;
    }
    return ec == std::errc{} ? value : 0.0;
}

std::int32_t int_from_text(std::wstring_view text) noexcept {
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    std::size_t pos = skip_space(text, 0);
    bool negative = false;
    if (pos < text.size() && (text[pos] == L'+' || text[pos] == L'-')) {
        negative = text[pos] == L'-';
        ++pos;
    }
    // Accumulate in 64 bits and stop growing once past the 32-bit range: the result only
    // needs to know that it saturates.
    std::int64_t magnitude = 0;
    for (; pos < text.size() && is_digit(text[pos]); ++pos) {
        if (magnitude <= kMax + 1) magnitude = magnitude * 10 + (text[pos] - L'0');
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > kMax) return static_cast<std::int32_t>(kMax);
    if (value < kMin) return static_cast<std::int32_t>(kMin);
    return static_cast<std::int32_t>(value);
}

std::int64_t ole_date_to_seconds(double day_number) noexcept {
    constexpr double kUnixEpochDay = 25569.0;  // 1 January 1970 as a spreadsheet day number
    if (!(day_number > kUnixEpochDay)) return 0;
    const double seconds = (day_number - kUnixEpochDay) * 86400.0 + 0.001;
    // 2^63 is exactly representable; anything at or above it does not fit.
    if (seconds >= 9223372036854775808.0) return std::numeric_limits<std::int64_t>::max();
    return static_cast<std::int64_t>(seconds);
}

std::int32_t truncate_to_int32(double value) noexcept {
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
    if (value <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

std::wstring format_fixed(double value, int decimals) {
    char buffer[400];  // the largest double in fixed notation has 309 integer digits
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::fixed, decimals);
    return chars_to_wide(buffer, result);
}

std::wstring format_general(double value, int significant) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::general, significant);
    return chars_to_wide(buffer, result);
}

}  // namespace varnholt
