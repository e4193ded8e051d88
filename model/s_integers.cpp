// s_integers.cpp - construction from file text, display and order of whole numbers.

#include "s_integers.h"

#include "number_text.h"
#include "value_compare.h"

namespace varnholt {

s_int::s_int(std::wstring_view file_text) : s_int(int_from_text(file_text)) {}

std::wstring s_int::to_string() const {
    return blank != 0 ? std::wstring{} : std::to_wstring(value);
}

bool s_int::compare(compare_op op, const s_val& other) const {
    return compare_values(op, *this, other);
}

s_unsigned_long::s_unsigned_long(std::wstring_view file_text)
    : s_unsigned_long(static_cast<std::uint32_t>(int_from_text(file_text))) {}

std::wstring s_unsigned_long::to_string() const { return std::to_wstring(value); }

bool s_unsigned_long::compare(compare_op op, const s_val& other) const {
    return compare_values(op, *this, other);
}

}  // namespace varnholt
