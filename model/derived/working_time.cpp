// working_time.cpp - working minutes between two dates that both bound working time.

#include "model/derived/working_time.h"

#include "model/records/CalendarRecord.h"

namespace varnholt {

std::uint32_t WorkingMinutesBetween(const CalendarRecord& calendar, const s_date& start, const s_date& finish) {
    if (!BoundsWorkingTime(start) || !BoundsWorkingTime(finish) || start.seconds >= finish.seconds) return 0;
    return calendar.WorkingMinutes(start, finish);
}

}  // namespace varnholt
