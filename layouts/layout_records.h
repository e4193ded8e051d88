// layout_records.h - the smaller records a layout holds: the activity layout's column set, its
// block of three texts, and the Gantt time scale.
#pragma once

#include "layouts/GanttBarSet.h"
#include "layouts/GroupSortBy.h"
#include "layouts/LayoutColumn.h"

#include <array>
#include <cstdint>
#include <string>

namespace varnholt {

// The columns, grouping and Gantt bars of an activity layout: what the layout files call its
// task view.
class ColumnSet {
public:
    view::LayoutColumnList columns;
    GroupSortBy group_sort_by;
    GanttBarSet gantt_bars;
};

// Three texts that an activity layout carries for its readers; empty unless set.
struct LayoutTextBlock {
    std::array<std::wstring, 3> texts;
};

struct TimescaleSettings {
    std::int32_t unit = 4;      // the layout file's date scale
    float cell_width = 50.0f;   // unscaled pixels of one lower-tier cell
};

}  // namespace varnholt
