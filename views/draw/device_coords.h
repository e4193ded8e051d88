// device_coords.h - turning float content coordinates into device integers: truncate toward
// zero, clamp to +-1e8, then subtract the scroll origin, in 64 bits so no sum can overflow;
// the result saturates into 32 bits. NaN has no pixel: the conversion answers nullopt and the call that
// asked draws nothing.
#pragma once

#include "views/draw/DrawBackend.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace varnholt::view::device {

inline constexpr double kCoordinateLimit = 1e8;

[[nodiscard]] inline std::optional<std::int64_t> Truncate(double value) {
    if (std::isnan(value)) return std::nullopt;
    return static_cast<std::int64_t>(std::clamp(value, -kCoordinateLimit, kCoordinateLimit));
}

[[nodiscard]] inline std::int32_t Narrow(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

// trunc(v) - origin: points, lines, rectangle corners.
[[nodiscard]] inline std::optional<std::int32_t> Coordinate(float value, std::int32_t origin) {
    const auto whole = Truncate(value);
    if (!whole) return std::nullopt;
    return Narrow(*whole - origin);
}

// trunc(v - origin): text rectangles and the arrowhead, whose arithmetic is done in floats.
[[nodiscard]] inline std::optional<std::int32_t> Relative(float value_minus_origin) {
    const auto whole = Truncate(value_minus_origin);
    if (!whole) return std::nullopt;
    return Narrow(*whole);
}

[[nodiscard]] inline std::optional<DevicePoint> Point(float x, float y, std::int32_t origin_x, std::int32_t origin_y) {
    const auto dx = Coordinate(x, origin_x);
    const auto dy = Coordinate(y, origin_y);
    if (!dx || !dy) return std::nullopt;
    return DevicePoint{*dx, *dy};
}

// left = trunc(x) - origin x, right = trunc(x) + trunc(w) - origin x; likewise vertically. The
// far edge is summed before it is clamped, so a bar from a far date still reaches its visible end.
[[nodiscard]] inline std::optional<DeviceRect> Rect(float x, float y, float w, float h, std::int32_t origin_x,
                                                    std::int32_t origin_y) {
    const double left = std::trunc(static_cast<double>(x));
    const double top = std::trunc(static_cast<double>(y));
    const auto l = Truncate(left);
    const auto t = Truncate(top);
    const auto r = Truncate(left + std::trunc(static_cast<double>(w)));
    const auto b = Truncate(top + std::trunc(static_cast<double>(h)));
    if (!l || !t || !r || !b) return std::nullopt;
    return DeviceRect{Narrow(*l - origin_x), Narrow(*t - origin_y), Narrow(*r - origin_x), Narrow(*b - origin_y)};
}

// left = trunc(x - origin x), right = trunc(x - origin x + w); likewise vertically.
[[nodiscard]] inline std::optional<DeviceRect> TextRect(float x, float y, float w, float h, std::int32_t origin_x,
                                                        std::int32_t origin_y) {
    const float rx = x - static_cast<float>(origin_x);
    const float ry = y - static_cast<float>(origin_y);
    const auto left = Relative(rx);
    const auto top = Relative(ry);
    const auto right = Relative(rx + w);
    const auto bottom = Relative(ry + h);
    if (!left || !top || !right || !bottom) return std::nullopt;
    return DeviceRect{*left, *top, *right, *bottom};
}

}  // namespace varnholt::view::device
