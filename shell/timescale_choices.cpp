// timescale_choices.cpp - the zoom slider's position of a unit width, and back.

#include "shell/timescale_choices.h"

#include "model/number_text.h"
#include "rows/display_scale.h"

#include <cmath>

namespace varnholt {

// A unit width set from a slider position is the position divided by the scale in floats, so
// multiplied back it may fall a hair short of the position (at 1.1, 45 comes back 44.999996).
std::int32_t ZoomPositionOfWidth(float unit_width, float display_scale) noexcept {
    if (!std::isfinite(unit_width * display_scale)) return kZoomMinimum;  // as a float overflows
    return truncate_to_int32(view::WholePixelsOf(static_cast<double>(unit_width) * static_cast<double>(display_scale)));
}

float UnitWidthOfZoomPosition(std::int32_t position, float display_scale) noexcept {
    const auto on_screen = static_cast<float>(position);
    // The display scale is always a positive number; without one the position stands as is.
    if (!std::isfinite(display_scale) || display_scale <= 0.0f) return on_screen;
    return on_screen / display_scale;
}

}  // namespace varnholt
