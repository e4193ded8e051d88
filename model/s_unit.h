// s_unit.h - a quantity of work, a quantity or value per unit of time, or a price. Held in
// hours (or per hour) and shown under the quantity display settings.
#pragma once

#include "duration_text.h"
#include "s_val.h"

#include <cstdint>
#include <string_view>

namespace varnholt {

class s_unit final : public s_val {
public:
    enum : std::int32_t {
        kQuantity = 0,      // work in hours, shown in the quantity unit of time
        kUnitsPerTime = 1,  // a quantity per hour, shown as quantity unit per duration unit
        kRatePerTime = 2,   // a value per hour, shown per duration unit
        kPricePerHour = 3,  // money followed by "/h"
        kPricePerUnit = 4,  // money followed by "/unit"
    };

    s_unit() = default;  // blank quantity: no value, shows as empty text
    s_unit(double v, std::int32_t format_kind) : blank(0), kind(format_kind), value(v) { null_flag = 0; }
    s_unit(std::wstring_view file_text, std::int32_t format_kind);

    [[nodiscard]] double as_double() const override { return value; }
    [[nodiscard]] std::wstring to_string() const override;
    [[nodiscard]] s_val_ptr clone() const override { return s_val_ptr(new s_unit(*this)); }
    [[nodiscard]] bool is_unit() const override { return true; }

    [[nodiscard]] std::wstring format_quantity() const;
    [[nodiscard]] std::wstring format_units_per_time() const;
    [[nodiscard]] std::wstring format_rate_per_time() const;

    // The small members first: they share the base's padding, which keeps a quantity at 32 bytes.
    std::uint8_t blank = 1;
    std::uint8_t calendar_applied = 0;
    std::int32_t kind = kQuantity;
    double value = 0.0;
    hour_factors_ref factors;

protected:
    // Equal within 0.009, like money; ordered as plain doubles; blank and kind play no part.
    [[nodiscard]] bool compare(compare_op op, const s_val& other) const override;
};

}  // namespace varnholt
