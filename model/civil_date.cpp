// civil_date.cpp - day counts to calendar dates and back (proleptic Gregorian calendar).

#include "civil_date.h"

namespace varnholt {

namespace {

constexpr std::int64_t floor_div(std::int64_t a, std::int64_t b) noexcept {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

}  // namespace

// The era-based algorithm: years counted from March so that the leap day falls at the end.
std::int64_t days_from_civil(std::int64_t year, std::int64_t month, std::int64_t day) noexcept {
    year += floor_div(month - 1, 12);
    month = month - 1 - floor_div(month - 1, 12) * 12 + 1;  // now 1..12
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = floor_div(year, 400);
    const std::int64_t year_of_era = year - era * 400;
    const std::int64_t day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5;
    const std::int64_t day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
    return era * 146097 + day_of_era - 719468 + (day - 1);
}

civil_date civil_from_days(std::int64_t days) noexcept {
    days += 719468;
    const std::int64_t era = floor_div(days, 146097);
    const std::int64_t day_of_era = days - era * 146097;
    const std::int64_t year_of_era =
        (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
    const std::int64_t day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
    const std::int64_t month_index = (5 * day_of_year + 2) / 153;  // 0 = March
    civil_date date;
    date.day = static_cast<std::int32_t>(day_of_year - (153 * month_index + 2) / 5 + 1);
    date.month = static_cast<std::int32_t>(month_index < 10 ? month_index + 3 : month_index - 9);
    date.year = year_of_era + era * 400 + (date.month <= 2 ? 1 : 0);
    return date;
}

std::int32_t weekday_of_days(std::int64_t days) noexcept {
    // 1970-01-01 was a Thursday (5).
    const std::int64_t from_sunday = (days % 7 + 7 + 4) % 7;
    return static_cast<std::int32_t>(from_sunday + 1);
}

std::int32_t days_in_month(std::int32_t month, std::int32_t year) noexcept {
    if (month == 4 || month == 6 || month == 9 || month == 11) return 30;
    if (month == 2) {
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        return leap ? 29 : 28;
    }
    return 31;
}

std::int64_t year_start_seconds(std::int32_t year) noexcept {
    if (year < 1970 || year > 2100) return 0;
    return days_from_civil(year, 1, 1) * kSecondsPerDay;
}

}  // namespace varnholt
