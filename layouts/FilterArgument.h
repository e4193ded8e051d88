// FilterArgument.h - the value or values a filter condition compares with: one value, or a
// lower and an upper bound for "between" and "notbetween". Durations and quantities carry the
// time unit their number is written in, which evaluation scales by the activity's calendar.
#pragma once

#include "model/s_val.h"

#include <cstdint>
#include <memory>

namespace varnholt::view {

class FilterArgument {
public:
    // A copy of one value; `high` is the shared null value.
    [[nodiscard]] static std::unique_ptr<FilterArgument> MakeSingle(const s_val& value);
    // Copies of both bounds.
    [[nodiscard]] static std::unique_ptr<FilterArgument> MakeRange(const s_val& low_value, const s_val& high_value);

    [[nodiscard]] bool HasUpperBound() const noexcept { return !s_val::is_null_value(high.get()); }

    s_val_ptr low;   // never null: a copy, or the shared null value when the copy had none
    s_val_ptr high;  // a copy in the range form, else the shared null value (never freed)
    // Time-unit codes of the bounds: 0 hour, 1 day, 2 week, 3 month, 4 year.
    std::int32_t low_unit = 0;
    std::int32_t high_unit = 0;

private:
    FilterArgument(s_val_ptr low_value, s_val_ptr high_value)
        : low(std::move(low_value)), high(std::move(high_value)) {}
};

}  // namespace varnholt::view
