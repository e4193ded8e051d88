// FilterSelection.h - the filters chosen for a layout or a Gantt bar, and whether a row must
// pass all of them or any. The selection borrows the filters: they belong to the layout store,
// which outlives every layout and so every selection.
#pragma once

#include "layouts/NamedFilter.h"
#include "layouts/filter_operator.h"

#include <cstdint>
#include <vector>

namespace varnholt {

class FilterSelection {
public:
    explicit FilterSelection(std::int32_t selection_mode) : mode(selection_mode) {}

    void AddFilter(const NamedFilter* filter) { filters.push_back(filter); }

    // kMatchAny: true when any chosen filter matches; otherwise true when all do. Every filter
    // is evaluated. Empty, it passes every row in the all form and none in the any form.
    [[nodiscard]] bool Match(const view::Row& row) const;

    std::int32_t mode;
    std::vector<const NamedFilter*> filters;  // in the order chosen; not owned
};

}  // namespace varnholt
