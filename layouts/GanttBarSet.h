// GanttBarSet.h - the Gantt bars a layout draws: for each bar its date fields, its three shapes,
// its labels and the filters that choose the rows it is drawn for.
#pragma once

#include "layouts/FilterSelection.h"
#include "layouts/GroupSortBy.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace varnholt {

// Values every bar set carries and no layout file sets; the Gantt view gives them meaning.
struct GanttBarDefaults {
    ColorWord color = 0xFFFF0000;
    float width = 1.0f;
    std::int32_t style = 0;
};

struct GanttBarShape {
    [[nodiscard]] ColorWord GetColor() const noexcept { return color; }
    [[nodiscard]] ColorWord GetBorderColor() const noexcept { return border_color; }

    std::int32_t shape = 0;  // 0 draws nothing; the Gantt view reads the other codes
    ColorWord color = kOpaqueBlack;
    ColorWord border_color = kOpaqueBlack;
    std::int32_t style = 1;  // the readers always set 1
};

inline constexpr std::int32_t kLabelLeft = 0;
inline constexpr std::int32_t kLabelRight = 1;

struct GanttBarLabel {
    std::int32_t field = 0;  // the field id whose value is the label text
    std::int32_t position = kLabelRight;
};

class GanttBar {
public:
    GanttBar(std::wstring bar_name, std::int32_t start, std::int32_t end, bool shown, bool is_summary)
        : name(std::move(bar_name)), start_field(start), end_field(end), visible(shown), summary(is_summary) {}

    GanttBarLabel& AddLabel(std::int32_t field, std::int32_t position);
    // Lookups by name read a bar as a record that begins with its name.
    [[nodiscard]] const std::wstring& leading_name() const noexcept { return name; }

    std::wstring name;           // the bar kind
    std::int32_t start_field;    // field ids of the dates the bar spans
    std::int32_t end_field;
    bool visible;
    bool summary;
    std::unique_ptr<GanttBarShape> mid_rect;     // each null when the layout gives none
    std::unique_ptr<GanttBarShape> start_point;
    std::unique_ptr<GanttBarShape> end_point;
    std::unique_ptr<FilterSelection> filter;     // null: no filter list; owned, its filters are not
    std::vector<std::unique_ptr<GanttBarLabel>> labels;
};

class GanttBarSet {
public:
    // Appends a bar with no shapes, no filter selection and no labels.
    GanttBar& AddBar(std::wstring name, std::int32_t start_field, std::int32_t end_field, bool visible, bool summary);

    GanttBarDefaults defaults;
    std::vector<std::unique_ptr<GanttBar>> bars;  // in file order
};

}  // namespace varnholt
