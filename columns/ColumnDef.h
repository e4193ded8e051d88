// ColumnDef.h - one column definition of the column catalogue, the row form of the built-in
// lists it is made from, and the description of a column a file adds while it loads.
#pragma once

#include "columns/column_codes.h"
#include "columns/column_ids.h"
#include "model/caption_tables.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace varnholt {

// One row of a built-in list. Field id and column id are the same number, and the caption is
// looked up by id when the table is built, so it follows the language in force at that moment.
struct BuiltInColumn {
    std::int32_t id = 0;
    std::wstring_view field_name;  // key in layout, columns and filter files; may hold "\7C"
    CaptionId caption_id = 0;
    ColumnGroup group = ColumnGroup::none;
    ColumnValueKind kind = ColumnValueKind::text;
    ColumnSummaryRule summary = ColumnSummaryRule::none;
    std::uint8_t present = 0;          // default before a workbook sets the flags
    std::string_view xer_field_name;  // empty for values the program computes
};

// A column that the import adds for a user-defined field or a code type. Caption id 0,
// summary `none` and present 1 are implied. The texts are copied by the adder.
struct LoadTimeColumn {
    LoadTimeKind kind = LoadTimeKind::udf;
    std::uint64_t type_id = 0;  // UDF or code type id from the file; see column_ids.h
    std::wstring_view caption;
    std::wstring_view field_name;
    std::string_view xer_field_name;
    ColumnValueKind value_kind = ColumnValueKind::text;
    ColumnGroup group = ColumnGroup::user_defined;
};

// A plain value; the tables hold entries by value. `caption` stays the first member: the
// choosers and CopyLeadingName read a definition as "a record that begins with its name".
struct ColumnDef {
    std::wstring caption;
    CaptionId caption_id = 0;    // 0 for load-time columns
    std::int32_t field_id = 0;   // how a record's value is fetched; 2-5 for load-time columns
    std::uint32_t column_id = 0; // how layouts, filters and files name the column
    ColumnValueKind value_kind = ColumnValueKind::text;
    ColumnOwner owner = ColumnOwner::activity;
    ColumnSummaryRule summary_rule = ColumnSummaryRule::none;
    std::uint8_t present = 0;    // 1 when the open file supplies the field
    std::wstring field_name;
    std::string xer_field_name;  // field name in the schedule file or workbook header
    ColumnGroup group = ColumnGroup::none;

    // Built-in form: field id and column id both `row.id`, caption from the caption catalogue.
    [[nodiscard]] static ColumnDef BuiltIn(const BuiltInColumn& row, ColumnOwner owner);
    // Load-time form, with the column id the catalogue checked; the caption catalogue is not read.
    [[nodiscard]] static ColumnDef LoadTime(const LoadTimeColumn& column, std::uint32_t column_id,
                                            ColumnOwner owner);

    [[nodiscard]] const std::wstring& leading_name() const noexcept { return caption; }
    [[nodiscard]] const std::wstring& GetFieldName() const noexcept { return field_name; }
    [[nodiscard]] const std::string& GetXerFieldName() const noexcept { return xer_field_name; }

    // The field name equals the key without regard to case (the one case-folding rule of
    // text_utils.h).
    [[nodiscard]] bool FieldNameIsNoCase(std::wstring_view key) const noexcept;
    [[nodiscard]] bool FieldNameIsNoCaseAndPresent(std::wstring_view key) const noexcept;
    // The caption equals the key exactly, case included, and the column is present.
    [[nodiscard]] bool CaptionIsAndPresent(std::wstring_view key) const;
};

}  // namespace varnholt
