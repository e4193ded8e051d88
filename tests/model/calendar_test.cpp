// Calendars: working minutes over weekdays, exception days and base calendars.

#include "model/civil_date.h"
#include "model/records/CalendarRecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <random>

namespace varnholt {
namespace {

s_date at(std::int64_t y, int mo, int d, int h = 0, int mi = 0) { return s_date::from_ymdhm(y, mo, d, h, mi); }

void add_period(CalendarRecord& calendar, std::int32_t weekday, int from_hour, int to_hour) {
    calendar.AddWeekdayPeriod(calendar.GetWeekday(weekday), s_hour(static_cast<std::uint32_t>(from_hour * 60)),
                              s_hour(static_cast<std::uint32_t>(to_hour * 60)));
}

// Monday to Friday 08:00-12:00 and 13:00-17:00.
void make_standard_week(CalendarRecord& calendar) {
    for (std::int32_t weekday = 2; weekday <= 6; ++weekday) {
        add_period(calendar, weekday, 8, 12);
        add_period(calendar, weekday, 13, 17);
    }
}

// The definition, one day at a time, for comparison with the week-at-a-time count.
std::int64_t minutes_day_by_day(const CalendarRecord& calendar, const s_date& start, const s_date& finish) {
    if (!start.less(finish)) return 0;
    const std::int64_t first = days_of_seconds(start.seconds), last = days_of_seconds(finish.seconds);
    std::int64_t total = 0;
    for (std::int64_t day = first; day <= last; ++day) {
        const s_date midnight = s_date::from_seconds(day * 86400);
        const std::int64_t a = day == first ? start.hour() * 60 + start.minute() : 0;
        const std::int64_t b = day == last ? finish.hour() * 60 + finish.minute() : 1440;
        for (std::size_t i = 0; i < calendar.GetPeriodCount(midnight); ++i) {
            const CalendarPeriod* period = calendar.GetPeriod(midnight, i);
            total += std::max<std::int64_t>(0, std::min<std::int64_t>(b, period->finish.minutes) -
                                                   std::max<std::int64_t>(a, period->start.minutes));
        }
    }
    return total;
}

TEST(Calendars, WorkingMinutesWithinAndAcrossDays) {
    CalendarRecord calendar;
    make_standard_week(calendar);
    struct Case { const char* why; s_date start, finish; std::uint32_t minutes; } const cases[] = {
        {"rest of a Wednesday", at(2015, 3, 4, 10, 30), at(2015, 3, 5), 90 + 240},
        {"inside one period", at(2015, 3, 4, 11), at(2015, 3, 4, 11, 30), 30},
        {"window touching a period's end", at(2015, 3, 4, 12), at(2015, 3, 4, 13), 0},
        {"start after finish", at(2015, 3, 5), at(2015, 3, 4), 0},
        {"Saturday to Monday wraps the week", at(2015, 3, 7), at(2015, 3, 9, 10), 120},
        {"two whole weeks", at(2015, 3, 2), at(2015, 3, 16), 10 * 480},
        {"seconds are ignored", s_date::from_seconds(at(2015, 3, 4, 9).seconds + 59), at(2015, 3, 4, 10), 60},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(calendar.WorkingMinutes(c.start, c.finish), c.minutes);
    }
    // A date without value sorts after every date, so it is never before the finish.
    EXPECT_EQ(calendar.WorkingMinutes(s_date{}, at(2015, 3, 5)), 0u);
}

TEST(Calendars, ExceptionDaysReplaceTheirWeekday) {
    CalendarRecord calendar;
    make_standard_week(calendar);
    CalendarExceptionDay* holiday = calendar.AddExceptionDay(at(2015, 3, 4));
    ASSERT_NE(holiday, nullptr);
    EXPECT_EQ(calendar.WorkingMinutes(at(2015, 3, 4), at(2015, 3, 5)), 0u);
    EXPECT_EQ(calendar.GetPeriod(at(2015, 3, 4), 0), nullptr);

    // A Saturday that is worked; a second entry for the same date changes nothing.
    CalendarExceptionDay* saturday = calendar.AddExceptionDay(at(2015, 3, 7));
    calendar.AddExceptionPeriod(saturday, s_hour(540u), s_hour(600u));
    CalendarExceptionDay* again = calendar.AddExceptionDay(at(2015, 3, 7));
    EXPECT_EQ(again, nullptr);
    EXPECT_EQ(calendar.AddExceptionPeriod(again, s_hour(0u), s_hour(1440u)), nullptr);
    EXPECT_EQ(calendar.WorkingMinutes(at(2015, 3, 7), at(2015, 3, 8)), 60u);
    EXPECT_EQ(calendar.GetPeriod(at(2015, 3, 7), 1), nullptr);

    // Week from Monday 2 March: 5 days less the holiday plus the Saturday hour.
    EXPECT_EQ(calendar.WorkingMinutes(at(2015, 3, 2), at(2015, 3, 9)), 4u * 480 + 60);
}

TEST(Calendars, BaseCalendarsLendExceptionsButNotWeekdays) {
    CalendarRecord base, calendar;
    make_standard_week(calendar);
    add_period(base, 1, 0, 24);  // base works Sundays: never inherited
    base.AddExceptionDay(at(2015, 3, 4));  // base holiday: inherited
    calendar.base_calendar = &base;
    EXPECT_EQ(calendar.GetDay(at(2015, 3, 4, 10)), base.GetDay(at(2015, 3, 4)));
    EXPECT_EQ(calendar.WorkingMinutes(at(2015, 3, 1), at(2015, 3, 8)), 4u * 480);

    // The calendar's own entry for the date wins over its base's.
    CalendarExceptionDay* own = calendar.AddExceptionDay(at(2015, 3, 4));
    calendar.AddExceptionPeriod(own, s_hour(480u), s_hour(540u));
    EXPECT_EQ(calendar.WorkingMinutes(at(2015, 3, 4), at(2015, 3, 5)), 60u);
    EXPECT_EQ(calendar.GetDay(at(2016, 1, 1)), nullptr);
}

TEST(Calendars, BaseCalendarLoopsEndTheSearch) {
    CalendarRecord a, b, c;
    make_standard_week(a);
    a.AddExceptionDay(at(2015, 3, 4));
    a.base_calendar = &a;  // names itself
    EXPECT_NE(a.GetDay(at(2015, 3, 4)), nullptr);
    EXPECT_EQ(a.GetDay(at(2015, 3, 5)), nullptr);
    EXPECT_EQ(a.WorkingMinutes(at(2015, 3, 2), at(2015, 3, 9)), 4u * 480);

    // a -> b -> c -> b: every calendar on the way is asked once, then the search stops.
    a.base_calendar = &b;
    b.base_calendar = &c;
    c.base_calendar = &b;
    c.AddExceptionDay(at(2015, 3, 6));
    EXPECT_NE(a.GetDay(at(2015, 3, 6)), nullptr);
    EXPECT_NE(b.GetDay(at(2015, 3, 6)), nullptr);
    EXPECT_EQ(a.GetDay(at(2015, 3, 9)), nullptr);
    EXPECT_EQ(a.WorkingMinutes(at(2015, 3, 2), at(2015, 3, 9)), 3u * 480);
}

TEST(Calendars, WeekAtATimeCountMatchesTheDayByDayDefinition) {
    CalendarRecord base, calendar;
    make_standard_week(calendar);
    add_period(calendar, 7, 9, 11);
    std::mt19937 random(20150304);
    const std::int64_t first_day = days_from_civil(2015, 1, 1);
    for (int i = 0; i < 60; ++i) {
        CalendarRecord& owner = i % 3 == 0 ? base : calendar;
        CalendarExceptionDay* day = owner.AddExceptionDay(s_date::from_seconds((first_day + random() % 800) * 86400));
        if (i % 2 == 0) owner.AddExceptionPeriod(day, s_hour(600u), s_hour(660u));
    }
    calendar.base_calendar = &base;
    for (int i = 0; i < 300; ++i) {
        const std::int64_t a = first_day * 86400 + static_cast<std::int64_t>(random() % (900LL * 86400));
        const std::int64_t b = a + static_cast<std::int64_t>(random() % (120LL * 86400));
        const s_date start = s_date::from_seconds(a), finish = s_date::from_seconds(b);
        ASSERT_EQ(calendar.WorkingMinutes(start, finish), minutes_day_by_day(calendar, start, finish))
            << start.seconds << " to " << finish.seconds;
    }
}

TEST(Calendars, AnEnormousSpanIsCountedAtOnceAndSaturates) {
    CalendarRecord calendar;
    make_standard_week(calendar);
    const auto began = std::chrono::steady_clock::now();
    EXPECT_EQ(calendar.WorkingMinutes(at(1970, 1, 2), at(100000000, 1, 1)), 4294967295u);
    EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(1));
    EXPECT_EQ(calendar.WorkingMinutes(at(2015, 1, 5), at(2025, 1, 5)), 2610u * 480);
}

}  // namespace
}  // namespace varnholt
