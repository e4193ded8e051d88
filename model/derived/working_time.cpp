// working_time.cpp - working minutes between two dates that both bound working time, and the
// one rule of the summary durations' spans.

#include "model/derived/working_time.h"

#include "model/records/CalendarRecord.h"

namespace varnholt {

std::uint32_t WorkingMinutesBetween(const CalendarRecord& calendar, const s_date& start, const s_date& finish) {
    if (!BoundsWorkingTime(start) || !BoundsWorkingTime(finish) || start.seconds >= finish.seconds) return 0;
    return calendar.WorkingMinutes(start, finish);
}

std::optional<double> SpanWorkingHours(const CalendarRecord& calendar, std::int64_t start, std::int64_t finish,
                                       bool signed_span) {
    const bool start_empty = start <= 0, finish_empty = finish <= 0;
    if (start_empty && finish_empty) return 0.0;
    if (start_empty != finish_empty) {
        // A set start before an empty finish counts nothing: 0. From an empty start the count
        // would begin at 1970: blank. A signed span counts from whichever end comes first, and
        // an empty end always comes first, so one empty end is blank either way round.
        if (start_empty || signed_span) return std::nullopt;
        return 0.0;
    }
    const auto hours = [&calendar](std::int64_t from, std::int64_t to) {
        return from < to ? HoursOf(calendar.WorkingMinutes(s_date::from_seconds(from), s_date::from_seconds(to))) : 0.0;
    };
    return signed_span && start >= finish ? -hours(finish, start) : hours(start, finish);
}

}  // namespace varnholt
