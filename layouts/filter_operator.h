// filter_operator.h - the thirteen operators of a filter condition, as numbers (what a
// condition stores) and as the texts that layout files write.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace varnholt {

enum class FilterOperator : std::int32_t {
    contains = 0,
    notcontains = 1,
    endswith = 2,
    equal = 3,
    not_equal = 4,
    startswith = 5,
    greater = 6,
    greater_equal = 7,
    less = 8,
    less_equal = 9,
    between = 10,
    notbetween = 11,
    under = 12,
};

// Indexed by the operator's number.
inline constexpr std::array<std::wstring_view, 13> kFilterOperatorTexts = {
    L"contains", L"notcontains", L"endswith", L"=",       L"<>",         L"startswith", L">",
    L">=",       L"<",           L"<=",       L"between", L"notbetween", L"under"};

// Conditions keep the operator as a plain number: a reader may store any value, and numbers
// outside the thirteen have their own (permissive) outcome.
[[nodiscard]] constexpr std::int32_t OperatorCode(FilterOperator op) noexcept { return static_cast<std::int32_t>(op); }

// Combinators of filter groups and selections: 1 passes a row when any member matches, every
// other value when all do. The files write them "bool_or" and "bool_and".
inline constexpr std::int32_t kMatchAll = 0;
inline constexpr std::int32_t kMatchAny = 1;

}  // namespace varnholt
