// go_to_date.h - what the Go to commands scroll the chart to: the start date of the row
// selected in the category's table, placed so that it stands 100 pixels in from the left.
#pragma once

#include "shell/category_tabs.h"

#include <cstdint>
#include <optional>

namespace varnholt::view {
class Row;
}

namespace varnholt {

// The field id of the "Start" column of the Activities (82), WBS (434) and Projects (279)
// tables; 0 for the categories without a chart.
[[nodiscard]] std::int32_t StartDateFieldOf(Category category) noexcept;

// The start date of a row of the category's table in seconds since 1970: an activity row
// gives its activity's start, WBS, project and group rows their "Start" value. 0 for no row
// and for rows of other kinds: there is nothing to go to.
[[nodiscard]] std::int64_t GoToDate(const view::Row* row, Category category);

// The chart's new horizontal scroll position for a date at x pixels from its start: x less
// the margin of 100 once x is past it, else x. None when x is no number.
[[nodiscard]] std::optional<std::int32_t> GoToScrollX(float x) noexcept;

}  // namespace varnholt
