// load_time_columns.h - the columns an XER file adds while it loads: one per user-defined
// field type and one per activity, project and resource code type, appended behind the
// built-in entries of their table. The import reads the type records and passes their
// fields here; everything about ids, names, groups and value kinds is decided in this file.
#pragma once

#include "columns/ColumnCatalog.h"
#include "columns/ColumnDef.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace varnholt {

class s_activity_code_type_scope;
class s_logical_data_type;

// "FT_START_DATE"/"FT_END_DATE" date, "FT_TEXT" text, "FT_FLOAT_2_DECIMALS" real, "FT_MONEY"
// cost, "FT_INT" integer, "FT_STATICTYPE" indicator.
[[nodiscard]] ColumnValueKind UdfValueKind(const s_logical_data_type& type) noexcept;

// "AS_Global", "AS_EPS" and "AS_Project" choose the chooser group of an activity-code column.
[[nodiscard]] ColumnGroup ActivityCodeGroup(const s_activity_code_type_scope& scope) noexcept;

// The field name of a code column, built from the code type's name: spaces become '_', the
// text is case-folded, then "actv_code_", "proj_code_" or "res_code_" goes in front; an
// activity code type of a project (proj_id not 0) adds "_" and the project id; "_id" ends it.
// "Cost Center" gives "actv_code_cost_center_id", with proj_id 1234 "actv_code_cost_center_1234_id".
[[nodiscard]] std::wstring CodeColumnFieldName(LoadTimeKind kind, std::wstring_view type_name,
                                               std::uint32_t proj_id = 0);

// The fields of one UDFTYPE record that its column needs.
struct UdfColumnSource {
    std::wstring_view table_name;  // "TASK", "PROJWBS", "PROJECT" or "RSRC", matched exactly
    std::uint64_t udf_type_id = 0;
    std::wstring_view label;       // becomes the caption
    std::wstring_view name;        // becomes the field name, and narrowed the file field name
    ColumnValueKind value_kind = ColumnValueKind::text;  // see UdfValueKind
};

// The fields of one ACTVTYPE, PCATTYPE or RCATTYPE record that its column needs.
struct CodeColumnSource {
    std::uint64_t type_id = 0;
    std::wstring_view type_name;  // the caption, and the base of the field name
    std::uint32_t proj_id = 0;    // activity codes only; 0 for none
    ColumnGroup group = ColumnGroup::activity_codes_global;  // activity codes only
};

// Each appends the column to its table and returns it, or returns null and appends nothing:
// a UDF of a table other than the four above, or a type id that would put the column id out
// of its kind's range or onto an id the table already has. The returned entry is valid until
// the table changes; copy its field name when the type record keeps it.
[[nodiscard]] const ColumnDef* RegisterUdfColumn(ColumnCatalog& catalog, const UdfColumnSource& udf);
[[nodiscard]] const ColumnDef* RegisterActivityCodeColumn(ColumnCatalog& catalog, const CodeColumnSource& code);
[[nodiscard]] const ColumnDef* RegisterProjectCodeColumn(ColumnCatalog& catalog, const CodeColumnSource& code);
[[nodiscard]] const ColumnDef* RegisterResourceCodeColumn(ColumnCatalog& catalog, const CodeColumnSource& code);

}  // namespace varnholt
