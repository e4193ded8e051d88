// FlattenRows.cpp - listing the expanded part of a row tree.

#include "views/core/FlattenRows.h"

#include "rows/ActivityRow.h"
#include "rows/Row.h"
#include "views/core/RowList.h"

#include <vector>

namespace varnholt::view {

void FlattenRows(const Row& root, RowList& list) {
    list.Clear();
    // An explicit stack: a WBS read from a file may nest deeper than the call stack allows.
    std::vector<Row*> pending;
    const auto push_children = [&pending](const Row& parent) {
        for (auto child = parent.children.rbegin(); child != parent.children.rend(); ++child)
            if (*child != nullptr) pending.push_back(child->get());
    };
    push_children(root);
    while (!pending.empty()) {
        Row& row = *pending.back();
        pending.pop_back();
        list.Append(row);
        if (row.IsActivityRow()) list.MapActivity(static_cast<const ActivityRow&>(row).LoadOrder(), row);
        if (row.expanded) push_children(row);
    }
}

}  // namespace varnholt::view
