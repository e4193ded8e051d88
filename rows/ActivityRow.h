// ActivityRow.h - the row of one activity: its values are the activity's own, by field id and
// by column id (user-defined fields and activity codes included).
#pragma once

#include "model/records/TaskRecord.h"
#include "rows/Row.h"

namespace varnholt::view {

class ActivityRow final : public Row {
public:
    explicit ActivityRow(const TaskRecord* activity)
        : m_activity(activity), m_load_order(activity != nullptr ? activity->load_order.value : -1) {}

    [[nodiscard]] bool IsActivityRow() const override { return true; }
    [[nodiscard]] const TaskRecord* GetActivity() const override { return m_activity; }

    [[nodiscard]] const s_val& GetCodeValue(std::int32_t column_id) const override {
        return m_activity != nullptr ? *m_activity->GetColumnValue(column_id) : s_val::null_value();
    }
    [[nodiscard]] const s_val& GetFieldValue(std::int32_t field_id) const override {
        return m_activity != nullptr ? *m_activity->GetFieldValue(field_id) : s_val::null_value();
    }

    // The activity's place in its table, kept here so that listing a large table need not
    // reach into every record (one cache miss a row); -1 without an activity.
    [[nodiscard]] std::int32_t LoadOrder() const noexcept { return m_load_order; }

private:
    const TaskRecord* m_activity;  // owned by the Document
    std::int32_t m_load_order;
};

}  // namespace varnholt::view
