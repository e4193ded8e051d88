// UdfTypeRecord.cpp - typing a user-defined value by its field type.
#include "model/records/UdfTypeRecord.h"

#include "model/number_text.h"

#include <cstdint>
#include <string_view>

namespace varnholt {
namespace {

// The data types of s_logical_data_type whose values need a typed member of their own.
constexpr std::int32_t kFloat2Decimals = 3;
constexpr std::int32_t kMoney = 4;
constexpr std::int32_t kInteger = 5;
constexpr std::int32_t kStaticType = 6;

}  // namespace

void LinkUdfValue(UdfValueRecord& value, UdfTypeRecord* type) {
    value.udf_type = type;
    if (type == nullptr) return;
    switch (type->logical_data_type.value) {
    case kFloat2Decimals:
        value.udf_decimal = value.udf_number;  // value, blank and no-value flag alike
        break;
    case kMoney:
        value.udf_money = s_cost(value.udf_number.value);
        break;
    case kInteger:
        value.udf_int = s_int(truncate_to_int32(value.udf_number.value));
        break;
    case kStaticType:
        // Only the number is taken; the no-value flag stays as built.
        value.udf_indicator.value = s_custom_indicator(std::wstring_view(value.udf_text.text)).value;
        break;
    default:
        break;
    }
}

}  // namespace varnholt
