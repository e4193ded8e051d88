// date_buckets.h - the day, week, month, quarter and year buckets that a date group-by puts
// rows into. Found by arithmetic on the stored seconds (wall time counted as if UTC), so any
// date answers at once; weeks run from Sunday 00:00.
#pragma once

#include "model/s_val.h"

#include <cstdint>
#include <optional>

namespace varnholt::view {

// Half-open span of seconds [start, end).
struct DateBucket {
    std::int64_t start = 0;
    std::int64_t end = 0;
    friend bool operator==(const DateBucket&, const DateBucket&) = default;
};

// True for the group-by date units that make buckets: day, week, month, quarter, year.
[[nodiscard]] bool IsBucketUnit(std::int32_t date_unit) noexcept;

// The bucket of the unit that holds the value, or nullopt when the value is no date, shows
// empty (no value, blank, at or before 1970-01-01 00:00) or lies beyond year 9999, or the
// unit makes no buckets. Rows whose value gets no bucket share one range-less group.
[[nodiscard]] std::optional<DateBucket> BucketOf(std::int32_t date_unit, const s_val& value);

// Whether the value is a date that shows a day: a date with seconds above 0, not blank.
[[nodiscard]] bool ShowsDate(const s_val& value);

}  // namespace varnholt::view
