// record_tree.h - the rows of a record hierarchy: one row per record that has no parent, under
// the root at level 1, and below each row one row per child record in the children's order.
// The core refuses every parent link that would close a loop, so each record gets one row.
#pragma once

#include "rows/Row.h"

#include <memory>
#include <utility>
#include <vector>

namespace varnholt::view {

template <class RowClass, class Record>
void AddRecordTree(Row& root, const std::vector<std::unique_ptr<Record>>& records) {
    // An explicit stack: a hierarchy read from a file may nest deeper than the call stack allows.
    std::vector<std::pair<Row*, const Record*>> pending;
    for (const auto& record : records) {
        if (record == nullptr || record->parent != nullptr) continue;
        Row& row = root.AddChild(std::make_unique<RowClass>(record.get()));
        row.level = root.level + 1;
        pending.emplace_back(&row, record.get());
        while (!pending.empty()) {
            auto [parent, parent_record] = pending.back();
            pending.pop_back();
            for (const Record* child : parent_record->children) {
                if (child == nullptr) continue;
                Row& child_row = parent->AddChild(std::make_unique<RowClass>(child));
                child_row.level = parent->level + 1;
                pending.emplace_back(&child_row, child);
            }
        }
    }
}

}  // namespace varnholt::view
