// RowList.cpp - the visible rows and the activity map.

#include "views/core/RowList.h"

#include "model/records/TaskRecord.h"
#include "rows/Row.h"

#include <algorithm>

namespace varnholt::view {

void RowList::Append(Row& row) {
    m_deepest_level = std::max(m_deepest_level, row.level);
    row.index = static_cast<std::int32_t>(m_rows.size());
    m_rows.push_back(&row);
}

void RowList::MapActivity(const TaskRecord& activity, Row& row) { MapActivity(activity.load_order.value, row); }

void RowList::MapActivity(std::int32_t order, Row& row) {
    if (order < 0) return;  // set by the record factory; a record made elsewhere has no slot
    const auto slot = static_cast<std::size_t>(order);
    if (slot >= m_activity_rows.size()) m_activity_rows.resize(slot + 1, nullptr);
    if (m_activity_rows[slot] != nullptr) return;
    m_activity_rows[slot] = &row;
    m_mapped.push_back(slot);
}

void RowList::Clear() noexcept {
    m_rows.clear();
    m_deepest_level = 0;
    for (const auto slot : m_mapped) m_activity_rows[slot] = nullptr;
    m_mapped.clear();
}

bool RowList::Lists(const Row& row) const noexcept {
    return row.index >= 0 && At(static_cast<std::size_t>(row.index)) == &row;
}

Row* RowList::FindActivityRow(const TaskRecord* activity) const noexcept {
    if (activity == nullptr || activity->load_order.value < 0) return nullptr;
    const auto slot = static_cast<std::size_t>(activity->load_order.value);
    if (slot >= m_activity_rows.size()) return nullptr;
    Row* row = m_activity_rows[slot];
    // Two documents' activities may share a load order; only the one whose row is listed counts.
    return row != nullptr && row->GetActivity() == activity ? row : nullptr;
}

}  // namespace varnholt::view
