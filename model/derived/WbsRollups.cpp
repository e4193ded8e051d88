// WbsRollups.cpp - roll-ups over a WBS element's whole subtree: the latest and earliest dates,
// sums of counts and quantities, and the working time between rolled-up dates. The project
// summaries and the WBS rows of the grid views ask them.
//
// A record that does not answer the id hands over the shared null value, which is no date: it
// is no candidate and is never compared as a date, and any date replaces it. So an empty
// branch neither ends up as the result nor hides the dates of its siblings.

#include "model/records/ProjWbsRecord.h"

#include "model/derived/wbs_walk.h"
#include "model/derived/working_time.h"
#include "model/records/TaskRecord.h"
#include "model/records/calendar_factors.h"

#include <cmath>
#include <limits>

namespace varnholt {

namespace {

ColumnFact WbsColumn(const ProjWbsRecord& element, std::int32_t field_id) {
    return element.doc != nullptr ? element.doc->FindColumnFact(ColumnFactTable::wbs, field_id) : ColumnFact{};
}

bool HasContent(const ProjWbsRecord& element) { return !element.activities.empty() || !element.children.empty(); }

bool HasValue(const s_date& date) { return date.null_flag == 0; }

// The finish-type ids compare by value: a date with a value beats one without. The others
// compare as dates do, where a date without a value is the latest of all.
bool IsLater(std::int32_t field_id, const s_date& date, const s_date& best) {
    if (field_id == 419 || field_id == 429 || field_id == 432 || field_id == 512) {
        if (HasValue(date) && !HasValue(best)) return true;
        if (!HasValue(date) && HasValue(best)) return false;
        return best.seconds < date.seconds;
    }
    return date.greater(best);
}

const s_val* LatestDate(const ProjWbsRecord& element, std::int32_t field_id, WbsWalk& walk, int depth) {
    const s_val* best = &s_val::null_value();
    if (!element.activities.empty()) {
        if (element.activities.front() != nullptr) best = element.activities.front()->GetFieldValue(field_id);
    } else if (element.children.front() != nullptr) {
        best = element.children.front()->GetFieldValue(field_id);
    }
    // Among the own activities a planned date replaces an actual finish.
    for (const TaskRecord* activity : element.activities) {
        if (activity == nullptr) continue;
        const s_val* value = activity->GetFieldValue(field_id);
        const s_date* date = AsDate(value);
        const s_date* best_date = AsDate(best);
        if (date == nullptr) continue;
        if (best_date == nullptr || (best_date->mark == s_date::kActualFinish && date->mark != s_date::kActualFinish) ||
            IsLater(field_id, *date, *best_date))
            best = value;
    }
    // A branch's date competes only with one of its own mark kind, or replaces an actual finish.
    if (depth >= kMaxWbsDepth) return best;
    for (const ProjWbsRecord* child : element.children) {
        if (child == nullptr || !HasContent(*child)) continue;
        if (!walk.Visit()) break;
        const s_val* value = LatestDate(*child, field_id, walk, depth + 1);
        const s_date* date = AsDate(value);
        const s_date* best_date = AsDate(best);
        if (date == nullptr) continue;
        if (best_date == nullptr) {
            best = value;
        } else if (best_date->mark == s_date::kActualFinish && HasValue(*date) && date->mark != s_date::kActualFinish) {
            best = value;
        } else if (best_date->mark == date->mark && IsLater(field_id, *date, *best_date)) {
            best = value;
        }
    }
    return best;
}

// The earliest date of the subtree; a date without a value is never earlier than one with.
const s_val* EarliestDate(const ProjWbsRecord& element, std::int32_t field_id, WbsWalk& walk, int depth) {
    const s_val* best = &s_val::null_value();
    const auto consider = [&best](const s_val* value) {
        const s_date* date = AsDate(value);
        if (date == nullptr) return;
        const s_date* best_date = AsDate(best);
        if (best_date == nullptr || date->less(*best_date)) best = value;
    };
    for (const TaskRecord* activity : element.activities)
        if (activity != nullptr) consider(activity->GetFieldValue(field_id));
    if (depth >= kMaxWbsDepth) return best;
    for (const ProjWbsRecord* child : element.children) {
        if (child == nullptr || !HasContent(*child)) continue;
        if (!walk.Visit()) break;
        consider(EarliestDate(*child, field_id, walk, depth + 1));
    }
    return best;
}

// Counts add up as whole numbers, each branch's sum cut to one; quantities as they are.
double Sum(const ProjWbsRecord& element, std::int32_t field_id, std::int32_t value_kind, WbsWalk& walk, int depth) {
    const s_val* own = element.GetFieldValue(field_id);
    double total = value_kind == kIntegerValueKind ? own->as_int() : own->as_double();
    if (depth >= kMaxWbsDepth) return total;
    for (const ProjWbsRecord* child : element.children) {
        if (child == nullptr) continue;
        if (!walk.Visit()) break;
        const double branch = Sum(*child, field_id, value_kind, walk, depth + 1);
        total += value_kind == kIntegerValueKind ? std::trunc(branch) : branch;
    }
    return total;
}

// The date columns whose latest and earliest values a summary duration spans.
struct Span {
    std::int32_t start_id;
    std::int32_t finish_id;
};

bool SpanOf(std::int32_t duration_id, Span& span) {
    switch (duration_id) {
    case 435: span = {418, 512}; return true;  // actual: actual start to progress date
    case 436: span = {434, 429}; return true;  // total: start to finish
    case 438: span = {433, 432}; return true;  // remaining: remaining start to remaining finish
    default: return false;
    }
}

}  // namespace

const s_val* ProjWbsRecord::RollupLatestDate(std::int32_t field_id) const {
    const ColumnFact column = WbsColumn(*this, field_id);
    if (!HasContent(*this) || !column.exists || column.value_kind != kDateValueKind) return &s_val::null_value();
    WbsWalk walk(*this);
    return LatestDate(*this, field_id, walk, 0);
}

const s_val* ProjWbsRecord::RollupEarliestDate(std::int32_t field_id) const {
    const ColumnFact column = WbsColumn(*this, field_id);
    if (!HasContent(*this) || !column.exists || column.value_kind != kDateValueKind) return &s_val::null_value();
    WbsWalk walk(*this);
    return EarliestDate(*this, field_id, walk, 0);
}

// The element's own counts and quantities cover its own activities, so the sum over the
// subtree covers every activity below the element.
double ProjWbsRecord::RollupSum(std::int32_t field_id) const {
    const ColumnFact column = WbsColumn(*this, field_id);
    if (!column.exists || (column.value_kind != kIntegerValueKind && column.value_kind != kQuantityValueKind))
        return 0.0;
    WbsWalk walk(*this);
    return Sum(*this, field_id, column.value_kind, walk, 0);
}

// Working time on the summary calendar from the earliest start to the latest finish of the
// subtree; 0 hours without the calendar column or a calendar, blank where the span would be
// counted from 1970 (SpanWorkingHours).
s_dur ProjWbsRecord::RollupDuration(std::int32_t field_id) const {
    s_dur result(0.0);
    Span span{};
    if (!SpanOf(field_id, span) || summary_calendar == nullptr || doc == nullptr ||
        !doc->FindColumnFact(ColumnFactTable::activity, 138).present)
        return result;
    const std::optional<double> hours = SpanWorkingHours(*summary_calendar, SpanEndSeconds(RollupEarliestDate(span.start_id)),
                                                         SpanEndSeconds(RollupLatestDate(span.finish_id)));
    if (!hours) return s_dur();
    result.value = *hours;
    WithCalendarFactors(result, summary_calendar);
    return result;
}

void ProjWbsRecord::CacheValue(std::int32_t field_id, s_val_ptr copy) {
    if (copy == nullptr) return;
    summary_cache.try_emplace(field_id, std::move(copy));
}

}  // namespace varnholt
