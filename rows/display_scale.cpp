// display_scale.cpp - the program-wide display scale.

#include "rows/display_scale.h"

#include <cmath>

namespace varnholt::view {

float& DisplayScale() {
    static float scale = 1.0f;
    return scale;
}

float UsableDisplayScale() {
    const float scale = DisplayScale();
    return std::isfinite(scale) && scale > 0.0f ? scale : 1.0f;
}

float UnscaledWholeWidth(float drawn_width) { return std::round(drawn_width / UsableDisplayScale()); }

double WholePixelsOf(double length) noexcept {
    constexpr double kFloatErrorTolerance = 1e-3;
    return std::trunc(length + std::copysign(kFloatErrorTolerance, length));
}

}  // namespace varnholt::view
