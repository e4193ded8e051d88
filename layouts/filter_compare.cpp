// filter_compare.cpp - the two comparison forms of a filter condition, operator by operator.

#include "layouts/filter_compare.h"

#include "layouts/filter_operator.h"
#include "model/records/CalendarRecord.h"

namespace varnholt::view {

double HoursPerUnit(const CalendarRecord* calendar, std::int32_t unit) {
    if (calendar == nullptr) return 1.0;
    switch (unit) {
    case 1: return calendar->day_hr_cnt.as_double();
    case 2: return calendar->week_hr_cnt.as_double();
    case 3: return calendar->month_hr_cnt.as_double();
    case 4: return calendar->year_hr_cnt.as_double();
    default: return 1.0;
    }
}

bool ScaledCompare(std::int32_t op, scaled_form form, const s_val& value, const FilterArgument& argument,
                   const CalendarRecord* calendar) {
    const double v = value.as_double();
    const double low = argument.low->as_double() * HoursPerUnit(calendar, argument.low_unit);
    // The shared null value reads as 0.0, so a missing upper bound needs its own test below.
    const double high = argument.high->as_double() * HoursPerUnit(calendar, argument.high_unit);
    const bool duration = form == scaled_form::duration;
    const bool blankness_differs = (value.null_flag != 0) != (argument.low->null_flag != 0);
    // A duration compares only with an argument that is blank exactly when it is.
    const bool incomparable = duration && blankness_differs;

    switch (static_cast<FilterOperator>(op)) {
    case FilterOperator::equal:
        return !incomparable && v == low;
    case FilterOperator::not_equal:
        if (duration) return blankness_differs || v != low;
        return s_val::is_null_value(&value) || v != low;
    case FilterOperator::greater:
        return !incomparable && v > low;
    case FilterOperator::greater_equal:
        return !incomparable && v >= low;
    case FilterOperator::less:
        return !incomparable && v < low;
    case FilterOperator::less_equal:
        return !incomparable && v <= low;
    case FilterOperator::between:
        if (!argument.HasUpperBound()) return v >= low;
        return low <= v && v <= high;
    case FilterOperator::notbetween:
        if (s_val::is_null_value(&value)) return true;
        // The complement of "between": without an upper bound that is everything below the lower.
        if (!argument.HasUpperBound()) return v < low;
        return v < low || v > high;
    default:
        // The text operators, and numbers outside the thirteen, never match a number of hours.
        return false;
    }
}

bool TypedCompare(std::int32_t op, const s_val& value, const FilterArgument* argument) {
    if (argument == nullptr) return true;
    const s_val& low = *argument->low;
    const s_val& high = *argument->high;

    switch (static_cast<FilterOperator>(op)) {
    case FilterOperator::contains: return value.contains(low);
    case FilterOperator::notcontains: return !value.contains(low);
    case FilterOperator::endswith: return value.ends_with(low);
    case FilterOperator::equal: return value.is_string() ? value.equals_no_case(low) : value.equal(low);
    case FilterOperator::not_equal:
        if (s_val::is_null_value(&value)) return true;
        return value.is_string() ? !value.equals_no_case(low) : value.not_equal(low);
    // Away from the resource tree, "under" is a prefix test on the text.
    case FilterOperator::startswith:
    case FilterOperator::under: return value.starts_with(low);
    case FilterOperator::greater: return value.greater(low);
    case FilterOperator::greater_equal: return value.greater_equal(low);
    case FilterOperator::less: return value.less(low);
    case FilterOperator::less_equal: return value.less_equal(low);
    case FilterOperator::between:
        if (!argument->HasUpperBound()) return low.less_equal(value);
        return low.less_equal(value) && value.less_equal(high);
    case FilterOperator::notbetween:
        if (s_val::is_null_value(&value)) return true;
        // The complement of "between": without an upper bound that is everything below the lower.
        if (!argument->HasUpperBound()) return value.less(low);
        return value.less(low) || high.less(value);
    default: return true;
    }
}

}  // namespace varnholt::view
