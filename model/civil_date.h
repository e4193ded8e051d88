// civil_date.h - Gregorian calendar arithmetic on day counts since 1970-01-01, with no time
// zone anywhere: a schedule's wall-clock dates are counted as if they were UTC, so every
// machine shows the same day and hour.
#pragma once

#include <cstdint>

namespace varnholt {

inline constexpr std::int64_t kSecondsPerDay = 86400;

struct civil_date {
    std::int64_t year = 1970;
    std::int32_t month = 1;  // 1..12
    std::int32_t day = 1;    // 1..31
};

// Days from 1970-01-01 to the given date. Months outside 1..12 roll into neighbouring years
// and days outside the month run on into the next or previous ones.
[[nodiscard]] std::int64_t days_from_civil(std::int64_t year, std::int64_t month, std::int64_t day) noexcept;
[[nodiscard]] civil_date civil_from_days(std::int64_t days) noexcept;

// Floor division of seconds into whole days (negative seconds belong to days before 1970).
[[nodiscard]] constexpr std::int64_t days_of_seconds(std::int64_t seconds) noexcept {
    return seconds / kSecondsPerDay - (seconds % kSecondsPerDay < 0 ? 1 : 0);
}

// 1 = Sunday ... 7 = Saturday.
[[nodiscard]] std::int32_t weekday_of_days(std::int64_t days) noexcept;

// 30 for April, June, September and November, 28 or 29 for February, 31 for every other
// month number (numbers outside 1..12 included).
[[nodiscard]] std::int32_t days_in_month(std::int32_t month, std::int32_t year) noexcept;

// Seconds from 1970-01-01 to 1 January of the year, for 1970 to 2100; 0 for any other year.
[[nodiscard]] std::int64_t year_start_seconds(std::int32_t year) noexcept;

}  // namespace varnholt
