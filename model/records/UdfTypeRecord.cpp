// UdfTypeRecord.cpp - typing a user-defined value by its field type.
#include "model/records/UdfTypeRecord.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

namespace varnholt {
namespace {

// The data types of s_logical_data_type whose values need a typed member of their own.
constexpr std::int32_t kFloat2Decimals = 3;
constexpr std::int32_t kMoney = 4;
constexpr std::int32_t kInteger = 5;
constexpr std::int32_t kStaticType = 6;

// Truncated toward zero and held to the 32-bit range, so that no file number can make the
// conversion undefined; a number that is not a number gives 0.
std::int32_t truncated_int(double number) {
    if (std::isnan(number)) return 0;
    constexpr double kLow = std::numeric_limits<std::int32_t>::min();
    constexpr double kHigh = std::numeric_limits<std::int32_t>::max();
    if (number <= kLow) return std::numeric_limits<std::int32_t>::min();
    if (number >= kHigh) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(number);
}

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
        value.udf_int = s_int(truncated_int(value.udf_number.value));
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
