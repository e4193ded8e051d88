// load_time_columns.cpp - columns for the user-defined fields and code types of a loaded file.

#include "columns/load_time_columns.h"

#include "model/s_enums.h"
#include "model/text_utils.h"

#include <cassert>
#include <charconv>

namespace varnholt {

ColumnValueKind UdfValueKind(const s_logical_data_type& type) noexcept {
    // The values of s_logical_data_type, in the order of its file codes.
    switch (type.value) {
    case 0:  // FT_START_DATE
    case 1:  // FT_END_DATE
        return ColumnValueKind::date;
    case 3: return ColumnValueKind::real;       // FT_FLOAT_2_DECIMALS
    case 4: return ColumnValueKind::cost;       // FT_MONEY
    case 5: return ColumnValueKind::integer;    // FT_INT
    case 6: return ColumnValueKind::indicator;  // FT_STATICTYPE
    default: return ColumnValueKind::text;      // FT_TEXT, also the type's default
    }
}

ColumnGroup ActivityCodeGroup(const s_activity_code_type_scope& scope) noexcept {
    switch (scope.value) {
    case 1: return ColumnGroup::activity_codes_eps;      // AS_EPS
    case 2: return ColumnGroup::activity_codes_project;  // AS_Project
    default: return ColumnGroup::activity_codes_global;  // AS_Global, also the type's default
    }
}

std::wstring CodeColumnFieldName(LoadTimeKind kind, std::wstring_view type_name, std::uint32_t proj_id) {
    assert(kind != LoadTimeKind::udf && "UDF columns take the type's own name");
    std::wstring name = kind == LoadTimeKind::activity_code  ? L"actv_code_"
                        : kind == LoadTimeKind::project_code ? L"proj_code_"
                                                             : L"res_code_";
    for (const wchar_t c : type_name) name += c == L' ' ? L'_' : fold_case(c);
    if (kind == LoadTimeKind::activity_code && proj_id != 0) {
        char digits[16];
        const auto result = std::to_chars(digits, digits + sizeof digits, proj_id);
        name += L'_';
        name += ascii_to_wide(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
    }
    name += L"_id";
    return name;
}

const ColumnDef* RegisterUdfColumn(ColumnCatalog& catalog, const UdfColumnSource& udf) {
    const std::string xer_name = narrow_string(udf.name);
    const LoadTimeColumn column{.kind = LoadTimeKind::udf,
                                .type_id = udf.udf_type_id,
                                .caption = udf.label,
                                .field_name = udf.name,
                                .xer_field_name = xer_name,
                                .value_kind = udf.value_kind,
                                .group = ColumnGroup::user_defined};
    if (udf.table_name == L"TASK") return catalog.AddActivityColumnWithCaption(column);
    if (udf.table_name == L"PROJWBS") return catalog.AddWbsColumnWithCaption(column);
    if (udf.table_name == L"PROJECT") return catalog.AddProjectColumnWithCaption(column);
    if (udf.table_name == L"RSRC") return catalog.AddResourceColumnWithCaption(column);
    return nullptr;  // fields of other tables are never shown as columns
}

namespace {

// Code columns are text, named from the type name; the name doubles as the file field name.
// `column` views the two strings beside it, so the whole is never copied.
struct CodeColumn {
    std::wstring field_name;
    std::string xer_name;
    LoadTimeColumn column;

    CodeColumn(LoadTimeKind kind, const CodeColumnSource& code, ColumnGroup group)
        : field_name(CodeColumnFieldName(kind, code.type_name, code.proj_id)),
          xer_name(narrow_string(field_name)),
          column{.kind = kind,
                 .type_id = code.type_id,
                 .caption = code.type_name,
                 .field_name = field_name,
                 .xer_field_name = xer_name,
                 .value_kind = ColumnValueKind::text,
                 .group = group} {}
    CodeColumn(const CodeColumn&) = delete;
    CodeColumn& operator=(const CodeColumn&) = delete;
};

}  // namespace

const ColumnDef* RegisterActivityCodeColumn(ColumnCatalog& catalog, const CodeColumnSource& code) {
    const CodeColumn made(LoadTimeKind::activity_code, code, code.group);
    return catalog.AddActivityColumnWithCaption(made.column);
}

const ColumnDef* RegisterProjectCodeColumn(ColumnCatalog& catalog, const CodeColumnSource& code) {
    const CodeColumn made(LoadTimeKind::project_code, {.type_id = code.type_id, .type_name = code.type_name},
                          ColumnGroup::project_codes);
    return catalog.AddProjectColumnWithCaption(made.column);
}

const ColumnDef* RegisterResourceCodeColumn(ColumnCatalog& catalog, const CodeColumnSource& code) {
    const CodeColumn made(LoadTimeKind::resource_code, {.type_id = code.type_id, .type_name = code.type_name},
                          ColumnGroup::resource_codes);
    return catalog.AddResourceColumnWithCaption(made.column);
}

}  // namespace varnholt
