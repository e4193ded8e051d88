// GroupSortBy.cpp - appending group-bys, sort keys and group levels.

#include "layouts/GroupSortBy.h"

namespace varnholt {

GroupBy& GroupSortBy::AddGroupBy(std::int32_t field) {
    return *group_bys.emplace_back(std::make_unique<GroupBy>(GroupBy{.field = field}));
}

SortBy& GroupSortBy::AddSortBy(std::int32_t field, std::int32_t sort_type) {
    return *sort_bys.emplace_back(std::make_unique<SortBy>(SortBy{.field = field, .sort_type = sort_type}));
}

GroupLevel& GroupSortBy::AddLevel(ColorWord back_color) {
    return *levels.emplace_back(std::make_unique<GroupLevel>(back_color));
}

}  // namespace varnholt
