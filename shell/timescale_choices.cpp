// timescale_choices.cpp - the zoom slider's position of a unit width, and back.

#include "shell/timescale_choices.h"

#include "model/number_text.h"

#include <cmath>

namespace varnholt {

std::int32_t ZoomPositionOfWidth(float unit_width, float display_scale) noexcept {
    const float on_screen = unit_width * display_scale;
    if (!std::isfinite(on_screen)) return kZoomMinimum;
    return truncate_to_int32(on_screen);
}

float UnitWidthOfZoomPosition(std::int32_t position, float display_scale) noexcept {
    const auto on_screen = static_cast<float>(position);
    // The display scale is always a positive number; without one the position stands as is.
    if (!std::isfinite(display_scale) || display_scale <= 0.0f) return on_screen;
    return on_screen / display_scale;
}

}  // namespace varnholt
