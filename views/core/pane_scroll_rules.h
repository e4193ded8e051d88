// pane_scroll_rules.h - how far a pane scrolls for each scroll-bar code, wheel notch and key,
// and how a selection moves with the keys. Pure functions of positions and sizes in pixels;
// PaneHost applies them to a pane and its partner. Every float-to-integer conversion
// truncates toward zero, as the scroll bars count whole pixels.
#pragma once

#include "rows/table_metrics.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace varnholt::view {

// Pixels of one scroll-bar step: a horizontal line is 20 pixels, a vertical one a row at
// scale 1.0; a page is 100 pixels either way.
inline constexpr std::int32_t kHorizontalLineStep = 20;
inline constexpr auto kVerticalLineStep = static_cast<std::int32_t>(kRowHeight);
inline constexpr std::int32_t kPageStep = 100;
// A selection moved by the keys stays this many rows inside the visible area.
inline constexpr std::int32_t kKeepVisibleRows = 2;

// What a scroll bar asks for; "up" is left on a horizontal bar.
enum class ScrollCode : std::uint8_t { line_up, line_down, page_up, page_down, top, bottom, thumb, other };

// The keys a pane answers; every other key is `other`.
enum class PaneKey : std::uint8_t { left, right, up, down, page_up, page_down, other };

// The largest scroll position: the whole pixels of content past the client area, plus a
// margin of 10 so that the last row or column never ends flush with the window's edge.
[[nodiscard]] std::int32_t ScrollRange(float content, std::int32_t client);

// The position after a scroll-bar code on a bar of range 0..max; `track` is the thumb's
// position for `thumb`. The result stays inside the range.
[[nodiscard]] std::int32_t ScrollBarPosition(ScrollCode code, std::int32_t line_step, std::int32_t position,
                                             std::int32_t max, std::int32_t track);

// The position after a wheel turn of `delta` (120 a notch, positive away from the user): a
// notch moves 20 pixels, up toward the top. A position outside 0..max does not move. The
// result is not clamped: each pane's bar clamps it to its own range.
[[nodiscard]] std::int32_t WheelPosition(std::int32_t position, std::int32_t max, std::int32_t delta);

// The horizontal position that the left or right arrow steps to over columns of the given
// widths at scale 1, drawn at the scale: right goes to the first column edge past the position,
// left to the left edge of the column whose right edge is the first at or past it. None without
// such an edge.
[[nodiscard]] std::optional<std::int32_t> ColumnStep(std::span<const float> widths, float scale,
                                                     std::int32_t position, bool right);

// Whole rows below the header in a client area of the height; at least 1, so that a pane
// lower than its header still pages forward, and 1 when rows are under a pixel high.
[[nodiscard]] std::int32_t RowsPerPage(std::int32_t client_height, float header_height, float row_height);

// The row index a key moves a selection at `index` to among `count` rows.
[[nodiscard]] std::size_t MovedRowIndex(PaneKey key, std::size_t index, std::size_t count, std::int32_t rows_per_page);

// The vertical position that shows row `index` with two rows of margin above and below, or
// none when it already does.
[[nodiscard]] std::optional<std::int32_t> KeepRowVisible(std::int32_t position, std::int32_t client_height,
                                                         float header_height, float row_height, std::size_t index);

// The position the vertical keys scroll to without a selection: a row up or down, or a page
// of the client area below the header; a page under one pixel scrolls by a row.
[[nodiscard]] std::int32_t KeyScrollPosition(PaneKey key, std::int32_t position, std::int32_t client_height,
                                             float header_height, float row_height);

}  // namespace varnholt::view
