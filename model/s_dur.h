// s_dur.h - a duration or float, held in hours and shown in the unit of time, decimals and
// label that the display settings choose.
#pragma once

#include "duration_text.h"
#include "s_val.h"

#include <cstdint>
#include <string_view>

namespace varnholt {

class s_dur final : public s_val {
public:
    s_dur() = default;  // blank: no value, shows as empty text
    explicit s_dur(double hours) : blank(0), value(hours) { null_flag = 0; }
    // The leading number of the text; the empty text gives 0 hours, not a blank duration.
    explicit s_dur(std::wstring_view file_text);

    [[nodiscard]] double as_double() const override { return value; }
    [[nodiscard]] std::wstring to_string() const override;
    [[nodiscard]] s_val_ptr clone() const override { return s_val_ptr(new s_dur(*this)); }
    [[nodiscard]] bool is_dur() const override { return true; }

    // The flags first: they share the base's padding, which keeps a duration at 32 bytes.
    std::uint8_t blank = 1;
    std::uint8_t calendar_applied = 0;  // set once a calendar's hour counts are in `factors`
    double value = 0.0;        // hours; negative for a negative float or lag
    hour_factors_ref factors;

protected:
    // Ordered by hours with blank durations last; equality is exact and ignores blank.
    [[nodiscard]] bool compare(compare_op op, const s_val& other) const override;
};

}  // namespace varnholt
