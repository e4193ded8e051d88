// SortList.h - the user's sort of table rows: the layout's sort keys in order of precedence,
// then the rows' place in the file. Shared by the activity, WBS and project tables.
#pragma once

#include "layouts/GroupSortBy.h"
#include "rows/Row.h"
#include "views/grid/StableSortRows.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace varnholt::view {

class SortList {
public:
    // Results of one key.
    static constexpr std::int32_t kSecondFirst = 0;
    static constexpr std::int32_t kNoPreference = 1;
    static constexpr std::int32_t kFirstFirst = 2;

    // How one sort key orders two rows: activity rows before group rows whichever the
    // direction, rows without any value last ascending and first descending, else by value.
    [[nodiscard]] static std::int32_t CompareKey(const Row& a, const Row& b, const SortBy& item);

    // Whether a sorts before b. The first key with a preference decides; rows of one record
    // kind that tie on every key keep file order, reversed when the first key descends.
    // An empty key list orders nothing, so a stable sort leaves the rows as they are.
    [[nodiscard]] static bool Less(const Row& a, const Row& b, const GroupSortBy& sort);

    // Sorts sibling rows stably by Less, reading each row's values of the keys once instead of
    // at every comparison.
    static void Sort(std::vector<std::unique_ptr<Row>>& rows, const GroupSortBy& sort);
};

}  // namespace varnholt::view
