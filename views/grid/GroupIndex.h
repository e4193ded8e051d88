// GroupIndex.h - finds the group row a row belongs to among one parent's group rows without
// testing every group: groups are filed under a key derived from their value or bucket, and
// only the groups under the row's key (and, for amounts, the neighbouring keys) are asked.
// The answer is the earliest-made group whose item matches the row, exactly what testing
// the parent's group rows in order would give.
//
// One index per parent row being grouped; it refers to the group rows, which the parent owns.
#pragma once

#include "layouts/GroupSortBy.h"
#include "views/grid/GroupRow.h"

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace varnholt::view {

class GroupIndex {
public:
    explicit GroupIndex(const GroupBy& entry);
    explicit GroupIndex(GroupBy&& entry) = delete;  // the index keeps referring to the entry

    // The earliest-added group row whose item matches the row, or null.
    [[nodiscard]] GroupRow* Find(const Row& row) const;
    // Files a new group row, made for this index's group-by entry, after those added before.
    void Add(GroupRow& group);

    // What a key is made of; equal values always share a key or, for amounts compared within
    // a tolerance, lie in neighbouring keys.
    enum class KeyKind : std::uint8_t { null_value, no_bucket, bucket, date, text, number, amount, other };
    struct Key {
        KeyKind kind = KeyKind::other;
        std::int64_t number = 0;
        friend bool operator==(const Key&, const Key&) = default;
    };

private:
    struct KeyHash {
        std::size_t operator()(const Key& key) const noexcept;
    };
    struct Filed {
        std::size_t order;
        GroupRow* group;
    };

    // The key of a value of the grouping column, as the group it would open is filed.
    [[nodiscard]] Key KeyOf(const s_val& value) const;
    [[nodiscard]] GroupRow* FirstMatch(const Key& key, const Row& row, std::size_t& best_order) const;

    const GroupBy* m_entry;
    const ColumnDef* m_column;
    std::size_t m_added = 0;
    // Usually one group per key; several only where values share a key without being equal.
    std::unordered_multimap<Key, Filed, KeyHash> m_groups;
};

// The reference lookup the index stands in for: the first child of the parent that is a
// group row whose item matches the row.
[[nodiscard]] GroupRow* FindGroupRowByScan(const Row& parent, const Row& row);

}  // namespace varnholt::view
