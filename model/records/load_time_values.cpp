// load_time_values.cpp - the user-defined value behind a UDF column.

#include "model/records/load_time_values.h"

#include "model/Document.h"
#include "model/records/UdfTypeRecord.h"

namespace varnholt {

const s_val* FindUdfColumnValue(const document::Document* doc, const s_unsigned_long& owner_key,
                                std::int32_t column_id, IndicatorUdf indicator) {
    if (doc == nullptr || !IsUdfColumnId(column_id)) return nullptr;
    const s_unsigned_long type_id(static_cast<std::uint32_t>(column_id - kUdfColumnBase));
    const UdfValueRecord* value = doc->FindUdfValue(owner_key, type_id);
    if (value == nullptr || value->udf_type == nullptr) return nullptr;
    // The link pass filled the member that the field's data type calls for.
    switch (value->udf_type->logical_data_type.value) {
    case 0:  // FT_START_DATE
    case 1:  // FT_END_DATE
        return &value->udf_date;
    case 2: return &value->udf_text;     // FT_TEXT
    case 3: return &value->udf_decimal;  // FT_FLOAT_2_DECIMALS
    case 4: return &value->udf_money;    // FT_MONEY
    case 5: return &value->udf_int;      // FT_INT
    case 6:                              // FT_STATICTYPE
        return indicator == IndicatorUdf::as_indicator ? static_cast<const s_val*>(&value->udf_indicator)
                                                       : &value->udf_text;
    default: return nullptr;
    }
}

}  // namespace varnholt
