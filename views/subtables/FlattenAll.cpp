// FlattenAll.cpp - listing a one-level row tree.

#include "views/subtables/FlattenAll.h"

#include "rows/Row.h"
#include "views/core/RowList.h"

namespace varnholt::view {

// Only root rows are entered, and the sub-tables build one root over plain rows, so the
// recursion is one level deep.
void FlattenAll(RowList& list, Row& row) {
    if (!row.IsRootRow()) {
        list.Append(row);
        return;
    }
    for (const auto& child : row.children)
        if (child != nullptr) FlattenAll(list, *child);
}

}  // namespace varnholt::view
