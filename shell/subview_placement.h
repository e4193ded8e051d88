// subview_placement.h - where the details pane puts its sub-view windows and the details
// button, from the pane's client rectangle and the display scale. Every size follows the
// scale, so a side-by-side pair stays inside the pane at any scale.
#pragma once

#include "shell/category_tabs.h"

#include <cstdint>

namespace varnholt {

struct PaneRect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const PaneRect&, const PaneRect&) = default;
};

struct SubViewPlaces {
    PaneRect first;   // the first window, or the only one placed
    PaneRect second;  // side by side: the text window right of the list
    PaneRect button;  // relationship: the details button above the table
};

// The places for the placement in a pane whose client area starts at (left, top) and is
// `width` wide. Coordinates are computed in floating point and truncated toward zero; a size
// that would be negative (a pane narrower than its margins) is 0, since a window cannot be
// smaller than nothing.
[[nodiscard]] SubViewPlaces PlaceSubViews(SubViewPlacement placement, std::int32_t left, std::int32_t top,
                                          std::int32_t width, float scale);

}  // namespace varnholt
