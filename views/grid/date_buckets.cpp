// date_buckets.cpp - bucket arithmetic of the date group-bys.
#include "views/grid/date_buckets.h"

#include "layouts/GroupSortBy.h"
#include "model/civil_date.h"
#include "model/s_date.h"

namespace varnholt::view {
namespace {

// Sunday 1970-01-04 00:00, where the first whole week begins.
constexpr std::int64_t kFirstSunday = 3 * kSecondsPerDay;
constexpr std::int64_t kSecondsPerWeek = 7 * kSecondsPerDay;
// 10000-01-01 00:00: later dates would take the civil arithmetic out of its range.
constexpr std::int64_t kEndOfYear9999 = 253402300800;

constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) noexcept {
    return a / b - (a % b < 0 ? 1 : 0);
}

DateBucket MonthsFrom(const civil_date& first_day, std::int32_t months) {
    return {days_from_civil(first_day.year, first_day.month, 1) * kSecondsPerDay,
            days_from_civil(first_day.year, first_day.month + months, 1) * kSecondsPerDay};
}

}  // namespace

bool IsBucketUnit(std::int32_t date_unit) noexcept {
    return date_unit >= kGroupDateDay && date_unit <= kGroupDateYear;
}

bool ShowsDate(const s_val& value) {
    if (!value.is_date()) return false;
    const auto& date = static_cast<const s_date&>(value);
    return date.seconds > 0 && !date.blank;
}

std::optional<DateBucket> BucketOf(std::int32_t date_unit, const s_val& value) {
    if (!IsBucketUnit(date_unit) || !ShowsDate(value)) return std::nullopt;
    const std::int64_t t = static_cast<const s_date&>(value).seconds;
    if (t >= kEndOfYear9999) return std::nullopt;
    const std::int64_t days = days_of_seconds(t);
    civil_date civil = civil_from_days(days);
    switch (date_unit) {
    case kGroupDateDay: return DateBucket{days * kSecondsPerDay, (days + 1) * kSecondsPerDay};
    case kGroupDateWeek: {
        const std::int64_t start = kFirstSunday + FloorDiv(t - kFirstSunday, kSecondsPerWeek) * kSecondsPerWeek;
        return DateBucket{start, start + kSecondsPerWeek};
    }
    case kGroupDateMonth: return MonthsFrom(civil, 1);
    case kGroupDateQuarter:
        civil.month = (civil.month - 1) / 3 * 3 + 1;
        return MonthsFrom(civil, 3);
    case kGroupDateYear:
        civil.month = 1;
        return MonthsFrom(civil, 12);
    default: return std::nullopt;
    }
}

}  // namespace varnholt::view
