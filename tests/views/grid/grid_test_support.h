// grid_test_support.h - helpers for the tests of group items, rows and ordering: a row whose
// values the test sets, the tables' grouping loop (through a GroupIndex or by scanning), and
// load-time columns with their values.
#pragma once

#include "tests/model/hand_built_document.h"

#include "columns/load_time_columns.h"
#include "model/records/ActvCodeRecord.h"
#include "model/records/UdfTypeRecord.h"
#include "rows/ActivityRow.h"
#include "rows/RecordRows.h"
#include "views/grid/GroupIndex.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace varnholt::view::testing {

// Values by field id and by column id; other ids answer the shared null value, and a column
// id without a value of its own falls back to the field id.
class ValueRow final : public Row {
public:
    static std::unique_ptr<ValueRow> With(std::int32_t field_id, const s_val& value) {
        auto row = std::make_unique<ValueRow>();
        row->fields[field_id] = value.clone();
        return row;
    }
    const s_val& GetFieldValue(std::int32_t id) const override { return Find(fields, id); }
    const s_val& GetCodeValue(std::int32_t id) const override {
        return columns.contains(id) ? Find(columns, id) : GetFieldValue(id);
    }
    std::map<std::int32_t, s_val_ptr> fields, columns;

private:
    static const s_val& Find(const std::map<std::int32_t, s_val_ptr>& values, std::int32_t id) {
        const auto found = values.find(id);
        return found != values.end() ? *found->second : s_val::null_value();
    }
};

inline s_date At(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour = 0, std::int32_t minute = 0) {
    return s_date::from_ymdhm(year, month, day, hour, minute);
}

inline GroupBy Entry(std::int32_t column_id, std::int32_t date_unit = kGroupDateNone) {
    return GroupBy{.field = column_id, .include_all = false, .date_unit = date_unit};
}

// Appends a row one level below its parent, as the builders do.
template <class RowClass>
RowClass& Append(Row& parent, std::unique_ptr<RowClass> row) {
    row->level = parent.level + 1;
    return static_cast<RowClass&>(parent.AddChild(std::move(row)));
}

// The tables' grouping loop: each row goes under the first matching group row of the parent,
// or under a new one opened with its value. Answers each row's group index.
inline std::vector<std::size_t> GroupUnder(Row& parent, std::vector<std::unique_ptr<Row>> rows, const GroupBy& entry,
                                           const document::Document* doc, bool through_index) {
    GroupIndex index(entry);
    const ColumnDef* column = ColumnCatalog::Instance().FindAnyByColumnId(static_cast<std::uint32_t>(entry.field));
    std::vector<std::size_t> placed;
    for (auto& row : rows) {
        GroupRow* group = through_index ? index.Find(*row) : FindGroupRowByScan(parent, *row);
        if (group == nullptr) {
            const s_val& value = column != nullptr ? GroupItem::GroupingValue(*row, *column) : s_val::null_value();
            group = &Append(parent, std::make_unique<GroupRow>(ActivityGroupItem::ForValue(entry, doc, value, row->GetActivity())));
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

// The parent's rows: group rows by title in brackets, activity rows by code.
inline std::wstring Shown(const Row& parent) {
    std::wstring text;
    for (const auto& row : parent.children)
        text += row->IsGroupRow() ? L"[" + static_cast<const GroupRow&>(*row).GetTitle() + L"]"
                                  : row->GetActivity()->task_code.text;
    return text;
}

// A user-defined field (start-date type unless told) or an activity code type, with its column,
// and their values, as the XER build step adds them. Build the document's indexes afterwards.
inline UdfTypeRecord& UdfField(document::Document& doc, std::uint32_t type_id, std::wstring_view label, std::int32_t data_type = 0) {
    EXPECT_NE(RegisterUdfColumn(ColumnCatalog::Instance(), {.table_name = L"TASK", .udf_type_id = type_id, .label = label,
                                                            .name = label, .value_kind = ColumnValueKind::date}), nullptr);
    UdfTypeRecord& type = *doc.NewUdfType();
    type.udf_type_id = s_unsigned_long(type_id);
    type.logical_data_type = s_logical_data_type(data_type);
    return type;
}
inline UdfValueRecord& UdfValue(document::Document& doc, UdfTypeRecord& type, std::uint32_t owner_key) {
    UdfValueRecord& value = *doc.NewUdfValue();
    value.udf_type_id = type.udf_type_id;
    value.fk_id = s_unsigned_long(owner_key);
    value.udf_type = &type;
    return value;
}
inline ActvTypeRecord& CodeType(document::Document& doc, std::uint32_t type_id, std::wstring_view name) {
    EXPECT_NE(RegisterActivityCodeColumn(ColumnCatalog::Instance(), {.type_id = type_id, .type_name = name}), nullptr);
    ActvTypeRecord& type = *doc.NewActvType();
    type.actv_code_type_id = s_unsigned_long(type_id);
    return type;
}
inline void AssignCode(document::Document& doc, ActvTypeRecord& type, TaskRecord& task, std::wstring_view short_name,
                       std::wstring_view name = L"") {
    ActvCodeRecord& code = *doc.NewActvCode();
    code.short_name = s_string(short_name);
    code.actv_code_name = s_string(name);
    TaskActvRecord& assignment = *doc.NewTaskActv();
    assignment.task_id = task.task_id;
    assignment.actv_code_type_id = type.actv_code_type_id;
    LinkActivityCodeAssignment(assignment, &type, &code, &task, nullptr);
    task.doc = &doc;
}

}  // namespace varnholt::view::testing
