// working_time.h - working time between two dates for the derived durations. A date that has
// no value, or stands at or before 1970-01-01 00:00 (the zero date, shown as empty), bounds no
// span: counting from it would count every working day since 1970.
#pragma once

#include "model/s_date.h"

#include <cstdint>
#include <optional>

namespace varnholt {

class CalendarRecord;

[[nodiscard]] inline bool BoundsWorkingTime(const s_date& date) noexcept {
    return date.null_flag == 0 && date.seconds > 0;
}

// The value as a date, or null for a value of another class (the shared null value among them).
[[nodiscard]] inline const s_date* AsDate(const s_val* value) noexcept {
    return value != nullptr && value->is_date() ? static_cast<const s_date*>(value) : nullptr;
}

// The seconds one end of a span counts from: 0 for an empty end, whatever value stands there
// (no value, the zero date, the null value of an element without activities).
[[nodiscard]] inline std::int64_t SpanEndSeconds(const s_val* value) noexcept {
    const s_date* date = AsDate(value);
    return date != nullptr && BoundsWorkingTime(*date) ? date->seconds : 0;
}

// Working minutes on the calendar from start to finish; 0 unless both bound working time and
// the start comes first.
[[nodiscard]] std::uint32_t WorkingMinutesBetween(const CalendarRecord& calendar, const s_date& start,
                                                  const s_date& finish);

[[nodiscard]] inline double HoursOf(std::uint32_t minutes) noexcept { return minutes / 60.0; }

// The summary durations of WBS elements, projects and group rows, from the seconds of their two
// ends (SpanEndSeconds). Working hours from start to finish; 0 where both ends are empty, or
// where a set start comes after the finish. A signed span (a float) counts from whichever end
// comes first, negative where the finish does. Nothing (a blank duration) only where the count
// would run from an empty end to a set one, which would be every working hour since 1970.
[[nodiscard]] std::optional<double> SpanWorkingHours(const CalendarRecord& calendar, std::int64_t start,
                                                     std::int64_t finish, bool signed_span = false);

}  // namespace varnholt
