// value_compare.h - comparison bodies shared by the value classes. Both operands of a
// comparison are values of one field; anything else (the shared null value, a value of
// another class) answers false.
#pragma once

#include "s_val.h"

#include <cmath>
#include <typeinfo>

namespace varnholt {

// The other operand as the caller's own class, or null when it is of another class.
template <class Value>
[[nodiscard]] const Value* same_class(const s_val& other) noexcept {
    return typeid(other) == typeid(Value) ? static_cast<const Value*>(&other) : nullptr;
}

// The natural six comparisons. On doubles a NaN on either side makes every comparison false
// except not_equal, which is the negation of equality.
template <class Number>
[[nodiscard]] constexpr bool compare_numbers(compare_op op, Number a, Number b) noexcept {
    switch (op) {
    case compare_op::less: return a < b;
    case compare_op::less_equal: return a <= b;
    case compare_op::greater: return a > b;
    case compare_op::greater_equal: return a >= b;
    case compare_op::equal: return a == b;
    case compare_op::not_equal: return a != b;
    }
    return false;
}

// Money and quantities are equal within 0.009: whole cents computed along different paths
// still match. A difference of exactly 0.009 is neither equal nor not_equal.
inline constexpr double kAmountTolerance = 0.009;

[[nodiscard]] inline bool compare_amounts(compare_op op, double a, double b) noexcept {
    if (op == compare_op::equal) return std::fabs(a - b) < kAmountTolerance;
    if (op == compare_op::not_equal) return std::fabs(a - b) > kAmountTolerance;
    return compare_numbers(op, a, b);
}

// Compares the `value` members of two values of one class.
template <class Value>
[[nodiscard]] bool compare_values(compare_op op, const Value& self, const s_val& other) noexcept {
    const Value* peer = same_class<Value>(other);
    return peer != nullptr && compare_numbers(op, self.value, peer->value);
}

}  // namespace varnholt
