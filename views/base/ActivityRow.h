// ActivityRow.h - the row of one activity: its values are the activity's own, by field id and
// by column id (user-defined fields and activity codes included).
#pragma once

#include "model/records/TaskRecord.h"
#include "views/base/Row.h"

namespace varnholt::view {

class ActivityRow final : public Row {
public:
    explicit ActivityRow(const TaskRecord* activity) : m_activity(activity) {}

    [[nodiscard]] bool IsActivityRow() const override { return true; }
    [[nodiscard]] const TaskRecord* GetActivity() const override { return m_activity; }

    [[nodiscard]] const s_val& GetCodeValue(std::int32_t column_id) const override {
        return m_activity != nullptr ? *m_activity->GetColumnValue(column_id) : s_val::null_value();
    }
    [[nodiscard]] const s_val& GetFieldValue(std::int32_t field_id) const override {
        return m_activity != nullptr ? *m_activity->GetFieldValue(field_id) : s_val::null_value();
    }

private:
    const TaskRecord* m_activity;  // owned by the Document
};

}  // namespace varnholt::view
