// calendar_factors.h - the one step that gives durations and quantities a calendar's hours
// per period, so that they show in the days, weeks, months and years of that calendar.
#pragma once

#include "model/records/CalendarRecord.h"

namespace varnholt {

// Gives a duration or quantity (s_dur, s_unit) the calendar's hours per day, week, month and
// year on its first read, then marks it so that it takes them only once. Without a calendar
// the value keeps its factors and stays unmarked.
template <class Value>
const s_val* WithCalendarFactors(Value& value, const CalendarRecord* calendar) {
    if (calendar != nullptr && value.calendar_applied == 0) {
        value.factors.refer_to(calendar->HourFactors());
        value.calendar_applied = 1;
    }
    return &value;
}

}  // namespace varnholt
