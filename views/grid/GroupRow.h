// GroupRow.h - the row of one group in a grouped table: it owns its group item and answers
// the value queries with the item's summaries over the row's direct children.
#pragma once

#include "rows/Row.h"
#include "views/grid/GroupItem.h"

#include <cstdint>
#include <memory>
#include <string>

namespace varnholt::view {

// Its cells are the item's summaries, kept by the item from the first request on.
class GroupRow final : public Row {
public:
    explicit GroupRow(std::unique_ptr<GroupItem> item);

    [[nodiscard]] bool IsGroupRow() const override { return true; }
    // Column ids are read as field ids: group rows summarise built-in columns only.
    [[nodiscard]] const s_val& GetCodeValue(std::int32_t column_id) const override { return GetFieldValue(column_id); }
    [[nodiscard]] const s_val& GetFieldValue(std::int32_t field_id) const override;

    [[nodiscard]] std::wstring GetTitle() const { return m_item->GetTitle(); }
    [[nodiscard]] const GroupItem& GetItem() const { return *m_item; }

private:
    std::unique_ptr<GroupItem> m_item;
};

}  // namespace varnholt::view
