// CalendarRecord.cpp - building a calendar's days and answering working-time questions.
//
// Working minutes are counted in time proportional to the exception days in the span, not to
// its length: the standard week repeats, so whole weeks are multiplied out and only exception
// days are looked at one by one. A damaged date centuries away therefore costs nothing.

#include "CalendarRecord.h"

#include "model/civil_date.h"

#include <algorithm>
#include <limits>
#include <set>

namespace varnholt {

namespace {

constexpr std::int32_t kMinutesPerDay = 1440;

using Periods = std::vector<std::unique_ptr<CalendarPeriod>>;

CalendarPeriod* append_period(Periods& periods, const s_hour& start, const s_hour& finish) {
    return periods.emplace_back(std::make_unique<CalendarPeriod>(CalendarPeriod{start, finish})).get();
}

std::int64_t minutes_in_window(const Periods* periods, std::int64_t from, std::int64_t to) {
    if (periods == nullptr) return 0;
    std::int64_t total = 0;
    for (const auto& period : *periods) {
        const std::int64_t overlap = std::min<std::int64_t>(to, period->finish.minutes) -
                                     std::max<std::int64_t>(from, period->start.minutes);
        if (overlap > 0) total += overlap;
    }
    return total;
}

std::int64_t minute_of_day(const s_date& date) {
    const std::int64_t second = date.seconds - days_of_seconds(date.seconds) * kSecondsPerDay;
    return second / 60;
}

// Walks a calendar and its base calendars in order, calling visit(calendar) until it returns
// true. A chain that loops is cut once every calendar on the loop has been visited: a second
// pointer follows at half speed, and the two can only meet inside a loop, by which time the
// walk has been all the way round it.
template <class Visit>
void walk_base_chain(const CalendarRecord* calendar, Visit visit) {
    const CalendarRecord* half_speed = calendar;
    for (std::size_t index = 1; calendar != nullptr; ++index) {
        if (visit(*calendar)) return;
        calendar = calendar->base_calendar;  // the calendar at `index`
        if (index % 2 == 0) half_speed = half_speed->base_calendar;  // the one at `index / 2`
        if (calendar == half_speed) return;
    }
}

}  // namespace

CalendarRecord::CalendarRecord() { CreateWeekdays(); }

const hour_factors& CalendarRecord::HourFactors() const {
    if (!m_hour_factors) {
        m_hour_factors.emplace();
        m_hour_factors->apply(day_hr_cnt.as_double(), week_hr_cnt.as_double(), month_hr_cnt.as_double(),
                              year_hr_cnt.as_double());
    }
    return *m_hour_factors;
}

void CalendarRecord::CreateWeekdays() {
    for (std::int32_t number = 1; number <= 7; ++number) {
        auto day = std::make_unique<CalendarDay>();
        day->number = number;
        weekdays.emplace(number, std::move(day));
    }
}

CalendarDay* CalendarRecord::GetWeekday(std::int32_t weekday) const {
    const auto found = weekdays.find(weekday);
    return found != weekdays.end() ? found->second.get() : nullptr;
}

CalendarPeriod* CalendarRecord::AddWeekdayPeriod(CalendarDay* day, const s_hour& start, const s_hour& finish) {
    return day != nullptr ? append_period(day->periods, start, finish) : nullptr;
}

CalendarPeriod* CalendarRecord::AddExceptionPeriod(CalendarExceptionDay* day, const s_hour& start,
                                                   const s_hour& finish) {
    return day != nullptr ? append_period(day->periods, start, finish) : nullptr;
}

CalendarExceptionDay* CalendarRecord::AddExceptionDay(const s_date& date) {
    if (exceptions.contains(date.seconds)) return nullptr;
    auto day = std::make_unique<CalendarExceptionDay>(CalendarExceptionDay{date, {}});
    return exceptions.emplace(date.seconds, std::move(day)).first->second.get();
}

const CalendarExceptionDay* CalendarRecord::GetDay(const s_date& date) const {
    const std::int64_t key = days_of_seconds(date.seconds) * kSecondsPerDay;
    const CalendarExceptionDay* found = nullptr;
    walk_base_chain(this, [&](const CalendarRecord& calendar) {
        const auto hit = calendar.exceptions.find(key);
        if (hit != calendar.exceptions.end()) found = hit->second.get();
        return found != nullptr;
    });
    return found;
}

const Periods* CalendarRecord::PeriodsOn(std::int64_t day) const {
    if (const CalendarExceptionDay* exception = GetDay(s_date::from_seconds(day * kSecondsPerDay)))
        return &exception->periods;
    const CalendarDay* weekday = GetWeekday(weekday_of_days(day));
    return weekday != nullptr ? &weekday->periods : nullptr;
}

std::uint32_t CalendarRecord::WorkingMinutes(const s_date& start, const s_date& finish) const {
    if (!start.less(finish)) return 0;
    const std::int64_t first = days_of_seconds(start.seconds);
    const std::int64_t last = days_of_seconds(finish.seconds);
    const std::int64_t from = minute_of_day(start);
    const std::int64_t to = minute_of_day(finish);
    if (first == last) return static_cast<std::uint32_t>(minutes_in_window(PeriodsOn(first), from, to));

    std::int64_t total = minutes_in_window(PeriodsOn(first), from, kMinutesPerDay) +
                         minutes_in_window(PeriodsOn(last), 0, to);

    // The whole days between: standard weeks first, as if no day were an exception.
    std::array<std::int64_t, 8> weekday_minutes{};  // by weekday 1..7
    for (std::int32_t number = 1; number <= 7; ++number) {
        const CalendarDay* day = GetWeekday(number);
        weekday_minutes[number] = minutes_in_window(day ? &day->periods : nullptr, 0, kMinutesPerDay);
    }
    const std::int64_t between = last - first - 1;
    std::int64_t week_total = 0;
    for (std::int32_t number = 1; number <= 7; ++number) week_total += weekday_minutes[number];
    total += between / 7 * week_total;
    for (std::int64_t day = first + 1 + between / 7 * 7; day < last; ++day)
        total += weekday_minutes[weekday_of_days(day)];

    // Then each exception day between, from this calendar or a base calendar, replaces its
    // weekday's minutes by its own.
    std::set<std::int64_t> exception_days;
    walk_base_chain(this, [&](const CalendarRecord& calendar) {
        const auto begin = calendar.exceptions.lower_bound((first + 1) * kSecondsPerDay);
        const auto end = calendar.exceptions.lower_bound(last * kSecondsPerDay);
        for (auto it = begin; it != end; ++it)
            if (it->first % kSecondsPerDay == 0) exception_days.insert(it->first / kSecondsPerDay);
        return false;
    });
    for (const std::int64_t day : exception_days) {
        total += minutes_in_window(PeriodsOn(day), 0, kMinutesPerDay) - weekday_minutes[weekday_of_days(day)];
    }
    return static_cast<std::uint32_t>(std::min<std::int64_t>(total, std::numeric_limits<std::uint32_t>::max()));
}

std::size_t CalendarRecord::GetPeriodCount(const s_date& date) const {
    if (GetWeekday(date.weekday()) == nullptr) return 0;
    return PeriodsOn(days_of_seconds(date.seconds))->size();
}

const CalendarPeriod* CalendarRecord::GetPeriod(const s_date& date, std::size_t index) const {
    if (GetWeekday(date.weekday()) == nullptr) return nullptr;
    const Periods* periods = PeriodsOn(days_of_seconds(date.seconds));
    return index < periods->size() ? (*periods)[index].get() : nullptr;
}

}  // namespace varnholt
