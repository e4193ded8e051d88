// ColumnDef.cpp - construction of column definitions and their match rules.

#include "columns/ColumnDef.h"

#include "model/CaptionCatalog.h"
#include "model/leading_name.h"
#include "model/text_utils.h"

namespace varnholt {

ColumnDef ColumnDef::BuiltIn(const BuiltInColumn& row, ColumnOwner owner) {
    ColumnDef def;
    def.caption_id = row.caption_id;
    def.field_id = row.id;
    def.column_id = static_cast<std::uint32_t>(row.id);
    def.value_kind = row.kind;
    def.owner = owner;
    def.summary_rule = row.summary;
    def.present = row.present;
    def.field_name = row.field_name;
    def.xer_field_name = row.xer_field_name;
    def.group = row.group;
    // Whatever the current language yields, an empty text included: the title is fixed for
    // as long as this table lives.
    if (row.caption_id != 0) def.caption = CaptionCatalog::Instance().Lookup(row.caption_id);
    return def;
}

ColumnDef ColumnDef::LoadTime(const LoadTimeColumn& column, std::uint32_t column_id, ColumnOwner owner) {
    ColumnDef def;
    def.caption = column.caption;
    def.caption_id = 0;
    def.field_id = LoadTimeFieldId(column.kind);
    def.column_id = column_id;
    def.value_kind = column.value_kind;
    def.owner = owner;
    def.summary_rule = ColumnSummaryRule::none;
    def.present = 1;
    def.field_name = column.field_name;
    def.xer_field_name = column.xer_field_name;
    def.group = column.group;
    return def;
}

bool ColumnDef::FieldNameIsNoCase(std::wstring_view key) const noexcept {
    return equals_no_case(field_name, key);
}

bool ColumnDef::FieldNameIsNoCaseAndPresent(std::wstring_view key) const noexcept {
    return present != 0 && FieldNameIsNoCase(key);
}

bool ColumnDef::CaptionIsAndPresent(std::wstring_view key) const {
    return present != 0 && CopyLeadingName(*this) == key;
}

}  // namespace varnholt
