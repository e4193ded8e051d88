// frame_geometry.h - the main window's pane geometry: where the pane toggles put the splitters'
// sashes, the least each pane keeps, and where a dialog goes to stand centred on the main window.
// Sizes are in pixels; the least pane follows the display scale, as the tables it leaves room
// for do.
#pragma once

#include "rows/table_metrics.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace varnholt {

// The height the Details toggle leaves to the details pane (the ribbon's height comes off it).
inline constexpr std::int32_t kDetailsToggleHeight = 500;
// The table pane's width beside the chart at a first start, and where the Gantt toggle puts
// the sash back.
inline constexpr std::int32_t kDefaultTablePaneWidth = 600;

// The outer splitter's sash when the Details toggle shows the pane, from the frame's whole
// client height (ribbon included): the pane gets about 500 pixels. Never negative, which the
// splitter would count from the bottom.
[[nodiscard]] constexpr std::int32_t DetailsShownSash(std::int32_t frame_height) noexcept {
    return std::max(frame_height - kDetailsToggleHeight, 0);
}

// The least a pane of the main window keeps, across or along, whatever the window's size: the
// grid tables' column header and three whole rows at the display scale, and a scroll bar. The
// details pane, the table pane and the chart beside it each keep this much. Rounded up: at a
// scale whose rows end between two pixels, a truncated extent would cut the third row.
[[nodiscard]] inline std::int32_t MinimumPaneExtent(float scale, std::int32_t scroll_bar) noexcept {
    const float rows = (view::kGridHeaderHeight + 3 * view::kRowHeight) * scale;
    return static_cast<std::int32_t>(std::ceil(rows)) + std::max(scroll_bar, 0);
}

// One coordinate of a window centred on another: the halves truncate toward zero.
[[nodiscard]] constexpr std::int32_t CentredStart(std::int32_t start, std::int32_t end, std::int32_t extent) noexcept {
    return (start + end) / 2 - extent / 2;
}

}  // namespace varnholt
