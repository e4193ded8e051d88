// filter_chooser.cpp - the filter list of the activity filters dialog and the selection it makes.

#include "shell/filter_chooser.h"

#include "layouts/Layout.h"
#include "model/text_utils.h"

#include <algorithm>
#include <set>

namespace varnholt {

bool FilterNameLess(const NamedFilter& a, const NamedFilter& b) noexcept {
    return compare_code_units(a.name, b.name) < 0;
}

std::vector<FilterItem> FilterItems(const NamedFilterList& filters, const FilterSelection* selection) {
    std::set<std::int32_t> chosen;
    if (selection != nullptr) {
        for (const NamedFilter* filter : selection->filters) {
            if (filter != nullptr) chosen.insert(filter->id);
        }
    }
    std::vector<FilterItem> items;
    items.reserve(filters.size());
    for (const auto& filter : filters) {
        if (filter != nullptr) items.push_back({filter.get(), FilterListGroup(filter->id), chosen.contains(filter->id)});
    }
    std::ranges::stable_sort(items, [](const FilterItem& a, const FilterItem& b) {
        return FilterNameLess(*a.filter, *b.filter);
    });
    return items;
}

std::unique_ptr<FilterSelection> SelectionFromItems(std::int32_t mode, const std::vector<FilterItem>& items) {
    auto selection = std::make_unique<FilterSelection>(mode);
    for (const FilterItem& item : items) {
        if (item.checked && item.filter != nullptr) selection->AddFilter(item.filter);
    }
    return selection;
}

void ApplyFilterChoice(view::Layout* layout, std::int32_t mode, const std::vector<FilterItem>& items) {
    if (layout != nullptr) layout->SetFilter(SelectionFromItems(mode, items));
}

}  // namespace varnholt
