// filter_chooser.h - the model behind the activity filters dialog: the filters of the store in
// name order, each in its list group and checked when the layout's selection holds it, and the
// new selection made from the check marks.
#pragma once

#include "layouts/FilterSelection.h"
#include "layouts/store_helpers.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace varnholt::view {
class Layout;
}

namespace varnholt {

// Names in UTF-16 code-unit order: upper case before lower case, a prefix before the longer name.
[[nodiscard]] bool FilterNameLess(const NamedFilter& a, const NamedFilter& b) noexcept;

// The list groups: the built-in filters (ids -49 to -1), then all the others.
inline constexpr std::int32_t kBuiltInFilterGroup = 0;
inline constexpr std::int32_t kOtherFilterGroup = 2;
[[nodiscard]] constexpr std::int32_t FilterListGroup(std::int32_t filter_id) noexcept {
    return filter_id > -50 && filter_id < 0 ? kBuiltInFilterGroup : kOtherFilterGroup;
}

struct FilterItem {
    const NamedFilter* filter = nullptr;  // the store's
    std::int32_t group = kOtherFilterGroup;
    bool checked = false;
};

// One item per filter, sorted with FilterNameLess; checked when the selection (may be null)
// holds a filter of that id.
[[nodiscard]] std::vector<FilterItem> FilterItems(const NamedFilterList& filters, const FilterSelection* selection);

// A new selection of the checked items' filters in list order. kMatchAll or kMatchAny.
[[nodiscard]] std::unique_ptr<FilterSelection> SelectionFromItems(std::int32_t mode,
                                                                  const std::vector<FilterItem>& items);

// Hands the new selection to the layout, which frees the one it held; nothing without a layout.
void ApplyFilterChoice(view::Layout* layout, std::int32_t mode, const std::vector<FilterItem>& items);

}  // namespace varnholt
