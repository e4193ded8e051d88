// text_scan.h - reads the integer fields of a date or time text laid out like a pattern,
// the way a scanf format would, without scanf's locale and overflow traps.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace varnholt {

// Pattern: '%' reads one integer field (white space, optional sign, at least one digit;
// saturating at the 32-bit limits); a blank matches any run of white space, even an empty
// one; any other character must match itself. Scanning stops at the first mismatch and the
// fields not reached keep their values. Returns the number of fields read.
std::size_t scan_fields(std::wstring_view text, std::wstring_view pattern, std::span<std::int32_t> fields);

}  // namespace varnholt
