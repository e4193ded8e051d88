// filter_compare.h - how one filter condition compares a row's value with its argument. There
// are two forms: durations and quantities compare as numbers of hours after the argument is
// scaled from its time unit by the activity's calendar; every other value compares through
// its own order and text matches.
#pragma once

#include "layouts/FilterArgument.h"

#include <cstdint>

namespace varnholt {
class CalendarRecord;
}

namespace varnholt::view {

// Hours in one unit of the calendar: 0 hour gives 1, 1 day, 2 week, 3 month and 4 year give
// the calendar's hour counts; any other code, or no calendar, gives 1.
[[nodiscard]] double HoursPerUnit(const CalendarRecord* calendar, std::int32_t unit);

// Durations and quantities differ in how blank values count: a duration compares only with
// an argument that is blank exactly when it is, a quantity compares its number regardless.
enum class scaled_form : std::uint8_t { duration, quantity };

// The scaled comparison of `value` (hours) with the argument's bounds in their units. The
// text operators answer false.
[[nodiscard]] bool ScaledCompare(std::int32_t op, scaled_form form, const s_val& value,
                                 const FilterArgument& argument, const CalendarRecord* calendar);

// The typed comparison of any other value; a condition without an argument matches.
[[nodiscard]] bool TypedCompare(std::int32_t op, const s_val& value, const FilterArgument* argument);

}  // namespace varnholt::view
