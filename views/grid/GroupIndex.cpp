// GroupIndex.cpp - keys of group values and the keyed first-match lookup.
#include "views/grid/GroupIndex.h"

#include "columns/ColumnCatalog.h"
#include "columns/field_ids.h"
#include "model/s_date.h"
#include "model/s_doubles.h"
#include "model/s_dur.h"
#include "model/s_integers.h"
#include "model/s_string.h"
#include "model/s_unit.h"

#include <cassert>
#include <cmath>
#include <functional>
#include <string>

namespace varnholt::view {
namespace {

// Amounts that compare equal differ by less than 0.009, so a key per whole cent puts them in
// the same or a neighbouring key.
constexpr double kAmountKeysPerUnit = 100.0;
// Beyond this, cents no longer fit the key; such amounts share one key.
constexpr double kLargestKeyedAmount = 1e15;

GroupIndex::Key AmountKey(double amount) {
    if (std::isnan(amount)) return {GroupIndex::KeyKind::other, 0};  // equal to nothing
    if (std::fabs(amount) > kLargestKeyedAmount) return {GroupIndex::KeyKind::other, 1};
    return {GroupIndex::KeyKind::amount, static_cast<std::int64_t>(std::floor(amount * kAmountKeysPerUnit))};
}

}  // namespace

std::size_t GroupIndex::KeyHash::operator()(const Key& key) const noexcept {
    return std::hash<std::int64_t>{}(key.number) * 31 + static_cast<std::size_t>(key.kind);
}

GroupIndex::GroupIndex(const GroupBy& entry)
    : m_entry(&entry), m_column(ColumnCatalog::Instance().FindAnyByColumnId(static_cast<std::uint32_t>(entry.field))) {}

GroupIndex::Key GroupIndex::KeyOf(const s_val& value) const {
    if (IsBucketUnit(m_entry->date_unit)) {
        const auto bucket = BucketOf(m_entry->date_unit, value);
        return bucket ? Key{KeyKind::bucket, bucket->start} : Key{KeyKind::no_bucket, 0};
    }
    if (s_val::is_null_value(&value)) return {KeyKind::null_value, 0};
    if (value.is_date()) return {KeyKind::date, static_cast<const s_date&>(value).seconds};
    if (value.is_string())
        return {KeyKind::text, static_cast<std::int64_t>(std::hash<std::wstring>{}(static_cast<const s_string&>(value).text))};
    if (const auto* number = dynamic_cast<const s_int*>(&value)) return {KeyKind::number, number->value};
    if (const auto* key = dynamic_cast<const s_unsigned_long*>(&value)) return {KeyKind::number, key->value};
    if (value.is_dur() || value.is_unit() || dynamic_cast<const s_cost*>(&value) != nullptr ||
        dynamic_cast<const s_double*>(&value) != nullptr || dynamic_cast<const s_percent*>(&value) != nullptr)
        return AmountKey(value.as_double());
    // Flags, enumerations and the rest: few groups, tested one by one.
    return {KeyKind::other, 0};
}

void GroupIndex::Add(GroupRow& group) {
    const GroupItem& item = group.GetItem();
    assert(&item.GetGroupBy() == m_entry && "a group is filed in the index of the entry it was made for");
    Key key{KeyKind::other, 0};
    if (IsBucketUnit(m_entry->date_unit)) {
        // A bucket is filed by its start, which need not show as a date itself (1969's weeks).
        key = item.GetKey() != nullptr ? Key{KeyKind::bucket, item.GetKey()->as_int64()} : Key{KeyKind::no_bucket, 0};
    } else if (item.GetKey() != nullptr) {
        key = KeyOf(*item.GetKey());
    }
    const std::size_t order = m_added++;
    // A group opened by a row without a code or user field matches no row: no need to file it.
    if (key.kind == KeyKind::null_value && m_column != nullptr && IsUserFieldOrActivityCode(m_column->field_id)) return;
    m_groups.emplace(key, Filed{order, &group});
}

GroupRow* GroupIndex::FirstMatch(const Key& key, const Row& row, std::size_t& best_order) const {
    GroupRow* best = nullptr;
    const auto [first, last] = m_groups.equal_range(key);
    for (auto it = first; it != last; ++it) {
        const Filed& filed = it->second;
        if (filed.order < best_order && filed.group->GetItem().Matches(row)) {
            best_order = filed.order;
            best = filed.group;
        }
    }
    return best;
}

GroupRow* GroupIndex::Find(const Row& row) const {
    if (m_column == nullptr) return nullptr;  // such groups match no row
    if (m_entry->date_unit != kGroupDateNone && !IsBucketUnit(m_entry->date_unit)) return nullptr;
    const s_val& value = GroupItem::GroupingValue(row, *m_column);
    if (m_entry->date_unit == kGroupDateNone && IsUserFieldOrActivityCode(m_column->field_id) && s_val::is_null_value(&value))
        return nullptr;  // a row without the code or field never joins a group
    const Key key = KeyOf(value);
    std::size_t best_order = m_added;
    GroupRow* best = FirstMatch(key, row, best_order);
    if (key.kind == KeyKind::amount) {
        for (const std::int64_t step : {-1, 1}) {
            if (GroupRow* group = FirstMatch({KeyKind::amount, key.number + step}, row, best_order)) best = group;
        }
    }
    return best;
}

GroupRow* FindGroupRowByScan(const Row& parent, const Row& row) {
    for (const auto& child : parent.children) {
        if (!child->IsGroupRow()) continue;
        auto& group = static_cast<GroupRow&>(*child);
        if (group.GetItem().Matches(row)) return &group;
    }
    return nullptr;
}

}  // namespace varnholt::view
