// s_unit.cpp - quantity, per-time and price displays.

#include "s_unit.h"

#include "display_settings.h"
#include "number_formats.h"
#include "number_text.h"
#include "value_compare.h"

namespace varnholt {

s_unit::s_unit(std::wstring_view file_text, std::int32_t format_kind)
    : s_unit(number_from_text(file_text), format_kind) {}

std::wstring s_unit::to_string() const {
    if (blank != 0) return {};
    switch (kind) {
    case kQuantity: return format_quantity();
    case kUnitsPerTime: return format_units_per_time();
    case kRatePerTime: return format_rate_per_time();
    case kPricePerHour:
        return format_price(value, display_settings().active.unit_Decimals, value_formats().unit_number_format, L"/h");
    case kPricePerUnit:
        return format_price(value, display_settings().active.unit_Decimals, value_formats().unit_number_format, L"/unit");
    default: return {};
    }
}

std::wstring s_unit::format_quantity() const {
    const UnitDisplaySettings& settings = display_settings().active;
    const std::int32_t unit = settings.unit_UnitOfTime;
    // The stored form always names its unit: a workbook's quantities stand in their own units.
    if (settings.unit_Decimals == 0) return stored_form(value) + time_unit_label(unit);
    if (!is_time_unit(unit)) return {};
    std::wstring text = number_form(value, factors.get(), unit, settings.unit_Decimals);
    if (settings.unit_ShowDurationLabel) text += time_unit_label(unit);
    return text;
}

std::wstring s_unit::format_units_per_time() const {
    const UnitDisplaySettings& settings = display_settings().active;
    const std::int32_t unit = settings.unit_UnitOfTime;
    const std::int32_t per = settings.duration_UnitOfTime;
    if (settings.unit_Decimals == 0) {
        std::wstring text = stored_form(value) + time_unit_label(unit);
        if (is_time_unit(per)) text += L'/' + time_unit_label(per);
        return text;
    }
    double converted = 0.0;
    if (unit == per && is_time_unit(unit)) {
        converted = value;
    } else if (is_time_unit(unit) && is_time_unit(per)) {
        converted = value * factors.hours_in(per) / factors.hours_in(unit);
    }
    std::wstring text = per_time_form(converted, settings.unit_Decimals);
    if (settings.unit_ShowDurationLabel) text += time_unit_label(unit);
    return text + L'/' + time_unit_label(per);
}

std::wstring s_unit::format_rate_per_time() const {
    const UnitDisplaySettings& settings = display_settings().active;
    const std::int32_t per = settings.duration_UnitOfTime;
    if (settings.unit_Decimals == 0) {
        std::wstring text = stored_form(value);
        if (is_time_unit(per)) text += L'/' + time_unit_label(per);
        return text;
    }
    const double converted = is_time_unit(per) ? value * factors.hours_in(per) : 0.0;
    return per_time_form(converted, settings.unit_Decimals) + L'/' + time_unit_label(per);
}

bool s_unit::compare(compare_op op, const s_val& other) const {
    const s_unit* peer = same_class<s_unit>(other);
    return peer != nullptr && compare_amounts(op, value, peer->value);
}

}  // namespace varnholt
