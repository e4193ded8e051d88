// xls_text.h - the small text rules of the workbook import: splitting a cell at delimiters
// (settings lines, dotted WBS and resource paths, comma lists), trimming, the digit test and
// the widening of cell text. Workbook cells hold UTF-8; widening decodes it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt::document {

// The tokens of `text` between the characters of `delimiters`: runs of delimiters count as
// one, leading and trailing delimiters give no token, and every token loses its leading and
// trailing blanks and carriage returns, so "a \r\nb" split at "\n" gives "a" and "b". A token
// left empty by the trimming is dropped: no token is ever empty.
[[nodiscard]] std::vector<std::string> SplitText(std::string_view text, std::string_view delimiters);

// True when every character is a decimal digit; the empty text is true.
[[nodiscard]] bool all_digits(std::string_view text) noexcept;

// Cell text (UTF-8) as wide text; a byte outside any UTF-8 sequence is taken as
// Windows-1252, as everywhere else in the program.
[[nodiscard]] std::wstring widen_cell(std::string_view cell);

// The decimal number that `digits` (all_digits, not empty) spell, saturating at 2147483647,
// the largest key a record holds.
[[nodiscard]] std::uint32_t digits_value(std::string_view digits) noexcept;

}  // namespace varnholt::document
