// GroupRow.cpp - a group row's values come from its item.
#include "views/grid/GroupRow.h"

#include <cassert>
#include <utility>

namespace varnholt::view {

GroupRow::GroupRow(std::unique_ptr<GroupItem> item) : m_item(std::move(item)) {
    assert(m_item != nullptr && "a group row is made around its item");
}

const s_val& GroupRow::GetFieldValue(std::int32_t field_id) const {
    return m_item->GetSummaryValue(children, field_id);
}

}  // namespace varnholt::view
