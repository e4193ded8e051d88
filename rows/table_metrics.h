// table_metrics.h - the heights of a table's rows and of the grid tables' column header at the
// display scale 1. The views draw them at the display scale, the relationship lines step by
// half a row, and the main window keeps room for them in every pane.
#pragma once

namespace varnholt::view {

inline constexpr float kRowHeight = 18.0f;
inline constexpr float kGridHeaderHeight = 30.0f;

}  // namespace varnholt::view
