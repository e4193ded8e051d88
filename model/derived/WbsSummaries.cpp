// WbsSummaries.cpp - summaries of a WBS element over its own activities (not its children's):
// the earliest and latest dates, sums of quantities and the summary durations. Field access
// computes them on first read and keeps them in the element.
//
// To take a date is to copy its seconds, mark kind and null flag (s_date assignment), never
// its blank byte, unless a summary says otherwise.

#include "model/records/ProjWbsRecord.h"

#include "model/Document.h"
#include "model/derived/working_time.h"
#include "model/records/ProjectRecord.h"
#include "model/records/TaskRecord.h"
#include "model/records/calendar_factors.h"

namespace varnholt {

namespace {

// The zero date: 0 seconds with a value.
s_date ZeroDate() { return s_date::from_seconds(0); }

bool HasValue(const s_date& date) { return date.null_flag == 0; }

// The rule of the latest remaining finish: a date with a value beats one without, one without
// never beats one with, and otherwise the later seconds win.
bool TakesLater(const s_date& date, const s_date& result) {
    if (HasValue(date) && !HasValue(result)) return true;
    if (!HasValue(date) && HasValue(result)) return false;
    return result.seconds < date.seconds;
}

s_date LatestByValue(const ProjWbsRecord& element, const s_date TaskRecord::*member) {
    s_date result = ZeroDate();
    for (const TaskRecord* activity : element.activities) {
        if (activity != nullptr && TakesLater(activity->*member, result)) result = activity->*member;
    }
    return result;
}

}  // namespace

// Actual starts after 1970; a start without a value counts as well, as the latest of all.
s_date ProjWbsRecord::EarliestActualStart() const {
    const s_date zero = ZeroDate();
    s_date result;
    bool taken = false;
    for (const TaskRecord* activity : activities) {
        if (activity == nullptr) continue;
        const s_date& start = activity->act_start_date;
        if (!start.greater(zero)) continue;
        if (!taken || start.less(result)) result = start;
        taken = true;
    }
    return result;
}

// A finish without a value is later than any with one, so one unfinished activity leaves the
// element without an actual finish.
s_date ProjWbsRecord::LatestActualFinish() const {
    s_date result = ZeroDate();
    for (const TaskRecord* activity : activities) {
        if (activity != nullptr && activity->act_end_date.greater(result)) result = activity->act_end_date;
    }
    return result;
}

s_date ProjWbsRecord::EarliestRemainingStart() const {
    s_date result;
    bool taken = false;
    for (const TaskRecord* activity : activities) {
        if (activity == nullptr) continue;
        if (!taken || activity->restart_date.less(result)) result = activity->restart_date;
        taken = true;
    }
    return result;
}

s_date ProjWbsRecord::LatestRemainingFinish() const { return LatestByValue(*this, &TaskRecord::reend_date); }

s_date ProjWbsRecord::LatestProgressDate() const { return LatestByValue(*this, &TaskRecord::act_progress_date); }

// Planned finishes replace actual ones, and only finishes of the result's mark kind compete.
s_date ProjWbsRecord::LatestFinish() const {
    s_date result = ZeroDate();
    result.mark = s_date::kActualFinish;
    for (const TaskRecord* activity : activities) {
        if (activity == nullptr) continue;
        const s_date& finish = activity->end_date;
        const bool actual = finish.mark == s_date::kActualFinish;
        if (!actual && result.mark == s_date::kActualFinish) {
            result = finish;
        } else if (finish.mark == result.mark && TakesLater(finish, result)) {
            result = finish;
        }
    }
    return result;
}

// The earliest of the shown starts, each replaced by an earlier remaining start; the result
// shows blank when the start it took does. A lone top element without activities starts
// when its project is planned to.
s_date ProjWbsRecord::EarliestStart() const {
    if (activities.empty() && parent == nullptr && project != nullptr) return project->plan_start_date;
    const s_date zero = ZeroDate();
    s_date result;
    bool taken = false;
    for (const TaskRecord* activity : activities) {
        if (activity == nullptr || !activity->start_date.greater(zero)) continue;
        const s_date* candidate = &activity->start_date;
        if (activity->restart_date.greater(zero) && activity->restart_date.less(activity->start_date))
            candidate = &activity->restart_date;
        if (!taken || candidate->less(result)) {
            result = *candidate;
            result.blank = candidate->blank;
        }
        taken = true;
    }
    return result;
}

double ProjWbsRecord::SumActivityField(std::int32_t activity_field_id) const {
    double sum = 0.0;
    for (const TaskRecord* activity : activities) {
        if (activity != nullptr) sum += activity->GetFieldValue(activity_field_id)->as_double();
    }
    return sum;
}

// Without the calendar column or a summary calendar, or where the span would be counted from
// 1970 (an empty start before a set finish), the duration stays without a value, to be tried
// again at the next read. Both ends empty (a leaf without activities, or one whose activities
// have all finished and so have no remaining dates) is no time at all: 0, as for its parent.
s_dur ProjWbsRecord::SummaryDuration(std::int32_t start_field_id, std::int32_t finish_field_id) const {
    s_dur result;
    if (doc == nullptr || !doc->FindColumnFact(ColumnFactTable::activity, 138).present) return result;
    const CalendarRecord* calendar = summary_calendar;
    if (calendar == nullptr) return result;
    const std::optional<double> hours = SpanWorkingHours(*calendar, SpanEndSeconds(GetFieldValue(start_field_id)),
                                                         SpanEndSeconds(GetFieldValue(finish_field_id)));
    if (!hours) return result;
    result.value = *hours;
    result.null_flag = 0;
    result.blank = 0;
    WithCalendarFactors(result, calendar);
    return result;
}

}  // namespace varnholt
