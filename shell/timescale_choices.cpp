// timescale_choices.cpp - the zoom slider's position of a unit width.

#include "shell/timescale_choices.h"

#include <algorithm>
#include <cmath>

namespace varnholt {

std::int32_t ZoomPositionOfWidth(float unit_width, float display_scale) noexcept {
    const float on_screen = unit_width * display_scale;
    if (!std::isfinite(on_screen)) return kZoomMinimum;
    return static_cast<std::int32_t>(std::clamp(std::trunc(on_screen), -1e9f, 1e9f));
}

}  // namespace varnholt
