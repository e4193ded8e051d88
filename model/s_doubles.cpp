// s_doubles.cpp - construction from file text, display and order of fractional values.

#include "s_doubles.h"

#include "number_formats.h"
#include "number_text.h"
#include "value_compare.h"

#include <cmath>

namespace varnholt {

s_double::s_double(std::wstring_view file_text) : s_double(number_from_text(file_text)) {}

std::int32_t s_double::as_int() const { return truncate_to_int32(value); }

std::wstring s_double::to_string() const {
    if (blank != 0 || !std::isfinite(value)) return {};
    return format_fixed(value, 2);
}

bool s_double::compare(compare_op op, const s_val& other) const {
    return compare_values(op, *this, other);
}

s_percent::s_percent(std::wstring_view file_text) : s_percent(number_from_text(file_text)) {}

std::wstring s_percent::to_string() const {
    return format_percent(value, value_formats().percent_decimals);
}

bool s_percent::compare(compare_op op, const s_val& other) const {
    return compare_values(op, *this, other);
}

s_cost::s_cost(std::wstring_view file_text) : s_cost(number_from_text(file_text)) {}

std::wstring s_cost::to_string() const {
    return format_cost(value, value_formats().cost_number_format);
}

bool s_cost::compare(compare_op op, const s_val& other) const {
    const s_cost* peer = same_class<s_cost>(other);
    return peer != nullptr && compare_amounts(op, value, peer->value);
}

}  // namespace varnholt
