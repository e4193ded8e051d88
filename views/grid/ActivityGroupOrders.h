// ActivityGroupOrders.h - the fixed orders in which the activity table arranges its group
// rows: value groups by their opening activity's value, WBS-path groups by sequence number,
// resource groups by resource sequence with "No primary Resource" last. Each is a less-than
// predicate for StableSortRows; pairs it does not order are left as they stand.
#pragma once

#include "layouts/GroupSortBy.h"
#include "rows/Row.h"

namespace varnholt {
struct ColumnDef;
}

namespace varnholt::view {

// Value groups of one group-by level, by the grouping column's value of each group's opening
// activity; equal values in file order, and the groups opened by an activity without any
// value (a code or user field it lacks) after all others, in file order.
class CompareActivities {
public:
    // Looks the grouping column up once, for the whole sort.
    explicit CompareActivities(const GroupBy& entry);
    [[nodiscard]] bool operator()(const Row& a, const Row& b) const;

private:
    const ColumnDef* m_column;
};

// WBS-path siblings: activity rows first, then groups by their element's sequence number,
// equal numbers in file order.
[[nodiscard]] bool LessByWbs(const Row& a, const Row& b);

// Primary-resource groups: by resource sequence number, equal numbers in file order, the
// group without a resource last.
[[nodiscard]] bool LessByResource(const Row& a, const Row& b);

}  // namespace varnholt::view
