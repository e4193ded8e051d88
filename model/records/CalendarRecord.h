// CalendarRecord.h - a working-time calendar (XER table CALENDAR): the standard week, the
// exception days, and the working-time questions that durations, group rows, the Gantt chart
// and the calendar dialog ask of it.
#pragma once

#include "model/duration_text.h"
#include "model/records/xer_field_slot.h"

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace varnholt {

struct CalendarPeriod {
    s_hour start;
    s_hour finish;
};

struct CalendarDay {
    std::int32_t number = 0;  // weekday, 1 = Sunday
    std::vector<std::unique_ptr<CalendarPeriod>> periods;
};

struct CalendarExceptionDay {
    s_date date;  // midnight of the day
    std::vector<std::unique_ptr<CalendarPeriod>> periods;  // none: a day without working time
};

class CalendarRecord {
public:
    CalendarRecord();
    CalendarRecord(const CalendarRecord&) = delete;
    CalendarRecord& operator=(const CalendarRecord&) = delete;

    void CreateWeekdays();
    // The standard day of a weekday 1..7, or null.
    [[nodiscard]] CalendarDay* GetWeekday(std::int32_t weekday) const;
    // Both return null when given no day, so a reader may pass on what AddExceptionDay gave.
    CalendarPeriod* AddWeekdayPeriod(CalendarDay* day, const s_hour& start, const s_hour& finish);
    CalendarPeriod* AddExceptionPeriod(CalendarExceptionDay* day, const s_hour& start, const s_hour& finish);
    // A new exception day for the date; null when the calendar already has one for that date,
    // which then stays in force unchanged.
    CalendarExceptionDay* AddExceptionDay(const s_date& date);

    // The exception day that applies on the date's day: this calendar's own, else the nearest
    // base calendar's. A chain of base calendars that comes back on itself ends the search.
    [[nodiscard]] const CalendarExceptionDay* GetDay(const s_date& date) const;

    // Working minutes from start to finish (0 unless start is before finish). Periods count
    // where they overlap the span; seconds are ignored.
    [[nodiscard]] std::uint32_t WorkingMinutes(const s_date& start, const s_date& finish) const;
    [[nodiscard]] std::size_t GetPeriodCount(const s_date& date) const;
    [[nodiscard]] const CalendarPeriod* GetPeriod(const s_date& date, std::size_t index) const;

    s_unsigned_long clndr_id;
    s_unsigned_long base_clndr_id;
    s_unsigned_long proj_id;
    s_bool default_flag;
    s_string clndr_name;
    s_date last_chng_date;  // no reader fills it
    s_calendar_type clndr_type;
    s_string clndr_data;
    s_double day_hr_cnt;
    s_double week_hr_cnt;
    s_double year_hr_cnt;
    s_double month_hr_cnt;

    // The hour counts above as duration factors, taken on the first call; durations and
    // quantities of this calendar point at them.
    [[nodiscard]] const hour_factors& HourFactors() const;

    std::map<std::int32_t, std::unique_ptr<CalendarDay>> weekdays;               // always 1..7
    std::map<std::int64_t, std::unique_ptr<CalendarExceptionDay>> exceptions;    // by the date's seconds
    const CalendarRecord* base_calendar = nullptr;

private:
    mutable std::optional<hour_factors> m_hour_factors;
    // The periods worked on a day (days since 1970): its exception day's, else its weekday's.
    [[nodiscard]] const std::vector<std::unique_ptr<CalendarPeriod>>* PeriodsOn(std::int64_t day) const;
};

inline constexpr std::array<xer_field_slot<CalendarRecord>, 12> kCalendarXerFields = {
    &CalendarRecord::clndr_id,     &CalendarRecord::default_flag,  &CalendarRecord::clndr_name,
    &CalendarRecord::proj_id,      &CalendarRecord::base_clndr_id, not_stored{},  // last_chng_date
    &CalendarRecord::clndr_type,   &CalendarRecord::clndr_data,    &CalendarRecord::day_hr_cnt,
    &CalendarRecord::week_hr_cnt,  &CalendarRecord::year_hr_cnt,   &CalendarRecord::month_hr_cnt,
};
static_assert(EachMemberOnce(kCalendarXerFields));

}  // namespace varnholt
