// UdfTypeRecord.h - user-defined fields: the field types (UDFTYPE) and the value of one
// field for one record (UDFVALUE), typed by its field type when linked.
#pragma once

#include "model/records/record_defaults.h"
#include "model/records/xer_field_slot.h"

#include <array>

namespace varnholt {

class UdfTypeRecord {
public:
    UdfTypeRecord() = default;
    UdfTypeRecord(const UdfTypeRecord&) = delete;
    UdfTypeRecord& operator=(const UdfTypeRecord&) = delete;

    s_unsigned_long udf_type_id;
    s_string table_name;  // the table whose records carry the field: "TASK", "RSRC" ...
    s_string udf_type_name;
    s_string udf_type_label;
    s_logical_data_type logical_data_type = unset_value<s_logical_data_type>(2);  // FT_TEXT
    s_bool super_flag{false};
    s_string indicator_expression;
    s_string summary_indicator_expression;
};

class UdfValueRecord {
public:
    UdfValueRecord() = default;
    UdfValueRecord(const UdfValueRecord&) = delete;
    UdfValueRecord& operator=(const UdfValueRecord&) = delete;

    s_unsigned_long udf_type_id;
    s_unsigned_long fk_id;  // key of the activity, WBS element, project or resource
    s_unsigned_long proj_id;
    s_date udf_date;
    s_string udf_text;
    s_double udf_number;
    s_unsigned_long udf_code_id;
    // Filled by Link from udf_number or udf_text, one of them by the field's data type.
    s_cost udf_money;
    s_int udf_int;
    s_double udf_decimal;
    s_custom_indicator udf_indicator;

    UdfTypeRecord* udf_type = nullptr;
};

// Links the value to its field type (null when the file has none) and fills the typed member
// that the type's data type calls for from the number or text the file gave. Dates and texts
// are read as they stand; a missing type or any other data type fills nothing.
void LinkUdfValue(UdfValueRecord& value, UdfTypeRecord* type);

inline constexpr std::array<xer_field_slot<UdfTypeRecord>, 8> kUdfTypeXerFields = {
    &UdfTypeRecord::udf_type_id,       &UdfTypeRecord::table_name,
    &UdfTypeRecord::udf_type_name,     &UdfTypeRecord::udf_type_label,
    &UdfTypeRecord::logical_data_type, &UdfTypeRecord::super_flag,
    &UdfTypeRecord::indicator_expression, &UdfTypeRecord::summary_indicator_expression,
};
static_assert(EachMemberOnce(kUdfTypeXerFields));

inline constexpr std::array<xer_field_slot<UdfValueRecord>, 7> kUdfValueXerFields = {
    &UdfValueRecord::udf_type_id, &UdfValueRecord::fk_id,      &UdfValueRecord::proj_id,
    &UdfValueRecord::udf_date,    &UdfValueRecord::udf_text,   &UdfValueRecord::udf_number,
    &UdfValueRecord::udf_code_id,
};
static_assert(EachMemberOnce(kUdfValueXerFields));

}  // namespace varnholt
