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

}  // namespace varnholt::view
