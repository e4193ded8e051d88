// grid_test_support.h - test helpers for group items, rows and ordering: a row whose values
// the test sets, dates by calendar parts, and the grouping loop of the tables, run either
// through a GroupIndex or by testing every group in order.
#pragma once

#include "tests/model/hand_built_document.h"

#include "columns/load_time_columns.h"
#include "layouts/GroupSortBy.h"
#include "model/records/ActvCodeRecord.h"
#include "model/records/UdfTypeRecord.h"
#include "model/s_date.h"
#include "views/base/ActivityRow.h"
#include "views/grid/GroupIndex.h"
#include "views/grid/RecordRows.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace varnholt::view::testing {

// A row whose values by field id and by column id the test sets; every other id answers the
// shared null value, and column ids it was not given fall back to the field ids.
class ValueRow final : public Row {
public:
    // A row with one field value.
    [[nodiscard]] static std::unique_ptr<ValueRow> With(std::int32_t field_id, const s_val& value) {
        auto row = std::make_unique<ValueRow>();
        row->Field(field_id, value);
        return row;
    }
    ValueRow& Field(std::int32_t id, const s_val& value) {
        m_fields[id] = value.clone();
        return *this;
    }
    ValueRow& Column(std::int32_t id, const s_val& value) {
        m_columns[id] = value.clone();
        return *this;
    }
    [[nodiscard]] const s_val& GetFieldValue(std::int32_t id) const override { return Find(m_fields, id); }
    [[nodiscard]] const s_val& GetCodeValue(std::int32_t id) const override {
        return m_columns.contains(id) ? Find(m_columns, id) : GetFieldValue(id);
    }

private:
    static const s_val& Find(const std::map<std::int32_t, s_val_ptr>& values, std::int32_t id) {
        const auto found = values.find(id);
        return found != values.end() ? *found->second : s_val::null_value();
    }
    std::map<std::int32_t, s_val_ptr> m_fields, m_columns;
};

inline s_date At(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour = 0, std::int32_t minute = 0) {
    return s_date::from_ymdhm(year, month, day, hour, minute);
}

inline GroupBy Entry(std::int32_t column_id, std::int32_t date_unit = kGroupDateNone) {
    GroupBy entry;
    entry.field = column_id;
    entry.date_unit = date_unit;
    return entry;
}

// Appends a row as the builder does: one level below its parent.
template <class RowClass>
RowClass& Append(Row& parent, std::unique_ptr<RowClass> row) {
    row->level = parent.level + 1;
    return static_cast<RowClass&>(parent.AddChild(std::move(row)));
}

// The tables' grouping loop: each row goes under the first group row of the parent that
// matches it, or under a new group opened with its value. Answers, per row, the index of its
// group among the parent's children.
inline std::vector<std::size_t> GroupUnder(Row& parent, std::vector<std::unique_ptr<Row>> rows, const GroupBy& entry,
                                           const document::Document* doc, bool through_index) {
    GroupIndex index(entry);
    const ColumnDef* column = ColumnCatalog::Instance().FindAnyByColumnId(static_cast<std::uint32_t>(entry.field));
    std::vector<std::size_t> placed;
    for (auto& row : rows) {
        GroupRow* group = through_index ? index.Find(*row) : FindGroupRowByScan(parent, *row);
        if (group == nullptr) {
            const s_val& value = column != nullptr ? GroupItem::GroupingValue(*row, *column) : s_val::null_value();
            group = &Append(parent, std::make_unique<GroupRow>(
                                        ActivityGroupItem::ForValue(entry, doc, value, row->GetActivity())));
            index.Add(*group);
        }
        for (std::size_t i = 0; i < parent.children.size(); ++i)
            if (parent.children[i].get() == group) placed.push_back(i);
        Append(*group, std::move(row));
    }
    return placed;
}

std::vector<std::size_t> GroupUnder(Row&, std::vector<std::unique_ptr<Row>>, GroupBy&&, const document::Document*,
                                    bool) = delete;  // the groups keep referring to the entry

// The titles of the parent's group rows, one per line.
inline std::wstring Titles(const Row& parent) {
    std::wstring text;
    for (const auto& child : parent.children)
        if (child->IsGroupRow()) text += static_cast<const GroupRow&>(*child).GetTitle() + L"\n";
    return text;
}

}  // namespace varnholt::view::testing

namespace varnholt::view::testing {

// Load-time columns and their values, as the XER build step would add them.
struct LoadTimeFixture {
    document::Document& doc;

    // A user-defined date field of activities with the given type id; its column id is
    // 100000 + the type id.
    UdfTypeRecord& UdfDateField(std::uint32_t type_id, std::wstring_view label) {
        EXPECT_NE(RegisterUdfColumn(ColumnCatalog::Instance(), {.table_name = L"TASK", .udf_type_id = type_id,
                                                                .label = label, .name = label,
                                                                .value_kind = ColumnValueKind::date}),
                  nullptr);
        UdfTypeRecord& type = *doc.NewUdfType();
        type.udf_type_id = s_unsigned_long(type_id);
        type.logical_data_type = s_logical_data_type(0);  // a start date
        return type;
    }
    // The record's value of the field (by the record's key); the document's indexes must be
    // built afterwards.
    UdfValueRecord& UdfValue(UdfTypeRecord& type, std::uint32_t owner_key) {
        UdfValueRecord& value = *doc.NewUdfValue();
        value.udf_type_id = type.udf_type_id;
        value.fk_id = s_unsigned_long(owner_key);
        value.udf_type = &type;
        return value;
    }
    // An activity code type; its column id is 500000 + the type id.
    ActvTypeRecord& CodeType(std::uint32_t type_id, std::wstring_view name) {
        EXPECT_NE(RegisterActivityCodeColumn(ColumnCatalog::Instance(), {.type_id = type_id, .type_name = name}),
                  nullptr);
        ActvTypeRecord& type = *doc.NewActvType();
        type.actv_code_type_id = s_unsigned_long(type_id);
        return type;
    }
    // Gives the activity the code value `short_name` (named `name`) of the type.
    void AssignCode(ActvTypeRecord& type, TaskRecord& task, std::wstring_view short_name, std::wstring_view name) {
        ActvCodeRecord& code = *doc.NewActvCode();
        code.short_name = s_string(short_name);
        code.actv_code_name = s_string(name);
        TaskActvRecord& assignment = *doc.NewTaskActv();
        assignment.task_id = task.task_id;
        assignment.actv_code_type_id = type.actv_code_type_id;
        LinkActivityCodeAssignment(assignment, &type, &code, &task, nullptr);
    }
};

}  // namespace varnholt::view::testing
