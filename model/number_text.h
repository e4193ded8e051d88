// number_text.h - reading numbers out of file text and writing them back, independent of the
// process locale ("." is always the decimal point here; "2.50" never becomes "2,50").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace varnholt {

// The leading number of a text: white space skipped, an optional sign, digits with an optional
// "." and fraction, an optional exponent; the rest of the text is ignored ("12.5h" gives 12.5).
// A text that does not begin with a number gives 0.0; a number too large for a double gives
// the infinity of its sign, and one too small a zero, as strtod does.
[[nodiscard]] double number_from_text(std::wstring_view text) noexcept;

// The leading base-10 integer of a text (white space, optional sign, digits, stopping at the
// first other character). No digits give 0; values beyond 32 bits saturate at the limits.
[[nodiscard]] std::int32_t int_from_text(std::wstring_view text) noexcept;

// A spreadsheet day number (days since 30 December 1899) as seconds since 1 January 1970.
// Day numbers up to 25569 (1 January 1970) and NaN give 0; days past the 64-bit range saturate.
[[nodiscard]] std::int64_t ole_date_to_seconds(double day_number) noexcept;

// A double as an integer truncated toward zero, saturating at the 32-bit limits (NaN gives 0).
[[nodiscard]] std::int32_t truncate_to_int32(double value) noexcept;

// Fixed notation with the given number of decimals, "." as the decimal point, no grouping.
[[nodiscard]] std::wstring format_fixed(double value, int decimals);

// The shortest form with at most `significant` significant digits (like printf's %g).
[[nodiscard]] std::wstring format_general(double value, int significant);

}  // namespace varnholt
