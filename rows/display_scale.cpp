// display_scale.cpp - the program-wide display scale.

#include "rows/display_scale.h"

#include <cmath>
#include <initializer_list>
#include <limits>

namespace varnholt::view {

float& DisplayScale() {
    static float scale = 1.0f;
    return scale;
}

float UsableDisplayScale() {
    const float scale = DisplayScale();
    return std::isfinite(scale) && scale > 0.0f ? scale : 1.0f;
}

float UnscaledWidthBetween(float left, float right) {
    const float scale = UsableDisplayScale();
    float exact = (right - left) / scale;
    // What the border falls short by is an ulp or two of the sum; a step or two makes it up.
    constexpr int kMostSteps = 4;
    for (int step = 0; step < kMostSteps && left + exact * scale < right; ++step) {
        const float short_by = right - (left + exact * scale);
        exact = std::nextafter(exact + short_by / scale, std::numeric_limits<float>::infinity());
    }
    for (const float whole : {std::round(exact), std::ceil(exact)}) {
        const float border = left + whole * scale;
        if (right <= border && border < right + 1.0f) return whole;
    }
    return exact;
}

double WholePixelsOf(double length) noexcept {
    constexpr double kFloatErrorTolerance = 1e-3;
    return std::trunc(length + std::copysign(kFloatErrorTolerance, length));
}

}  // namespace varnholt::view
