// whole_numbers.h - the float-to-integer conversion of the shell's pixel and page arithmetic.
// Scales, page counts and typed numbers can make quotients that no int holds (or NaN); a
// conversion of those has no defined result, so they saturate instead.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace varnholt {

// Truncates toward zero into the int range; NaN gives 0.
[[nodiscard]] inline std::int32_t ToInt(double value) noexcept {
    if (std::isnan(value)) return 0;
    constexpr double kLow = std::numeric_limits<std::int32_t>::min();
    constexpr double kHigh = std::numeric_limits<std::int32_t>::max();
    if (value <= kLow) return std::numeric_limits<std::int32_t>::min();
    if (value >= kHigh) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

// Rounded half away from zero, then saturated like ToInt.
[[nodiscard]] inline std::int32_t RoundToInt(double value) noexcept {
    return ToInt(std::isnan(value) ? 0.0 : std::round(value));
}

}  // namespace varnholt
