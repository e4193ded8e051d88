// s_hour.h - a time of day in minutes since midnight (shift starts, calendar work periods).
#pragma once

#include "s_val.h"

#include <cstdint>
#include <string_view>

namespace varnholt {

class s_hour final : public s_val {
public:
    s_hour() = default;
    explicit s_hour(std::uint32_t minutes_since_midnight) : minutes(minutes_since_midnight) { null_flag = 0; }
    // "hh:mm", or hours alone ("8" is 08:00); ":30" gives 0.
    explicit s_hour(std::wstring_view file_text);

    // "08:00", "17:30", "24:00" for 1440 minutes.
    [[nodiscard]] std::wstring to_string() const override;
    [[nodiscard]] s_val_ptr clone() const override { return s_val_ptr(new s_hour(*this)); }

    std::uint32_t minutes = 0;

protected:
    [[nodiscard]] bool compare(compare_op op, const s_val& other) const override;
};

}  // namespace varnholt
