// text_layout.h - lays a text out in a device rectangle by the kText* format flags: splits it
// into lines (line feeds, and blanks under word break), cuts at the rectangle's bottom, places
// each line (left, centred or right; vertical centring and bottom for single-line text) and
// shortens a line that is too wide with an ellipsis when asked to.
#pragma once

#include "views/draw/DrawBackend.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt::view {

struct LaidOutLine {
    DevicePoint origin;  // top-left corner of the line
    std::wstring text;   // never empty, never a line break
};

// `measure` answers a line's width and the font's line height.
using MeasureLine = std::function<DeviceSize(std::wstring_view)>;

[[nodiscard]] std::vector<LaidOutLine> LayOutText(std::wstring_view text, std::uint32_t format, DeviceRect rect,
                                                  const MeasureLine& measure);

}  // namespace varnholt::view
