// frame_geometry.h - where the pane toggles put the splitters' sashes, and where a dialog
// goes to stand centred on the main window. Plain pixels: these sizes do not follow the
// display scale.
#pragma once

#include <algorithm>
#include <cstdint>

namespace varnholt {

// The height the Details toggle leaves to the details pane (the ribbon's height comes off it).
inline constexpr std::int32_t kDetailsToggleHeight = 500;
// The width the Gantt toggle gives back to the table pane.
inline constexpr std::int32_t kGanttToggleTableWidth = 600;

// The outer splitter's sash when the Details toggle shows the pane, from the frame's whole
// client height (ribbon included): the pane gets about 500 pixels. Never negative, which the
// splitter would count from the bottom.
[[nodiscard]] constexpr std::int32_t DetailsShownSash(std::int32_t frame_height) noexcept {
    return std::max(frame_height - kDetailsToggleHeight, 0);
}

// The least a pane of the main window keeps, across or along, whatever the window's size: the
// tables' column header and three rows at the display scale, and a scroll bar. The details
// pane, the table pane and the chart beside it each keep this much.
[[nodiscard]] constexpr std::int32_t MinimumPaneExtent(float scale, std::int32_t scroll_bar) noexcept {
    constexpr float kHeaderHeight = 30.0f;
    constexpr float kRowHeight = 18.0f;
    return static_cast<std::int32_t>((kHeaderHeight + 3 * kRowHeight) * scale) + std::max(scroll_bar, 0);
}

// One coordinate of a window centred on another: the halves truncate toward zero.
[[nodiscard]] constexpr std::int32_t CentredStart(std::int32_t start, std::int32_t end, std::int32_t extent) noexcept {
    return (start + end) / 2 - extent / 2;
}

}  // namespace varnholt
