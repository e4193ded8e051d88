// calendar_data.cpp - reads a calendar's clndr_data text (a data tree) into its weekday work
// periods and exception days:
//   (0||CalendarData()( (0||DaysOfWeek()( (0||2()( (0||0(s|08:00|f|16:00)()) )) ... ))
//                       (0||Exceptions()( (0||0(d|42370)( ...periods... )) )) ))

#include "import/xer_parser.h"

#include "import/data_parser.h"
#include "model/number_text.h"
#include "model/records/CalendarRecord.h"

#include <cstdint>

namespace varnholt::document {

namespace {

// Exception days count days from 1899-12-30; this one is 1970-01-01.
constexpr std::int64_t kUnixEpochDay = 25569;
constexpr std::int64_t kSecondsPerDay = 86400;

// Calls add(start, finish) for every child of the day node that has both an "s" and an "f"
// property; a period missing either is skipped.
template <class AddPeriod>
void read_periods(const data_node& day, AddPeriod add) {
    for (const auto& period : day.children) {
        const data_props* start = FindByName(period->properties, L"s");
        const data_props* finish = FindByName(period->properties, L"f");
        if (start != nullptr && finish != nullptr) add(s_hour(start->value), s_hour(finish->value));
    }
}

void read_weekdays(CalendarRecord& calendar, const data_node& days_of_week) {
    for (const auto& weekday : days_of_week.children) {
        CalendarDay* day = calendar.GetWeekday(int_from_text(weekday->name));
        if (day == nullptr) continue;  // not 1..7
        read_periods(*weekday, [&](const s_hour& start, const s_hour& finish) {
            calendar.AddWeekdayPeriod(day, start, finish);
        });
    }
}

void read_exceptions(CalendarRecord& calendar, const data_node& exceptions) {
    for (const auto& exception : exceptions.children) {
        const data_props* day_number = FindByName(exception->properties, L"d");
        if (day_number == nullptr) continue;
        const std::int64_t days = int_from_text(day_number->value);
        CalendarExceptionDay* day = calendar.AddExceptionDay(s_date::from_seconds((days - kUnixEpochDay) * kSecondsPerDay));
        // A date given twice keeps its first entry; the later one's periods are dropped.
        if (day == nullptr) continue;
        read_periods(*exception, [&](const s_hour& start, const s_hour& finish) {
            calendar.AddExceptionPeriod(day, start, finish);
        });
    }
}

}  // namespace

void xer_parser::parse_calendar_data(CalendarRecord& calendar, std::wstring_view clndr_data) {
    const std::unique_ptr<data_node> root = data_parser::new_node(std::wstring(clndr_data));
    root->parse();
    if (!root->name.empty() && root->name != L"CalendarData") return;
    if (const data_node* days_of_week = root->find_child(L"DaysOfWeek")) read_weekdays(calendar, *days_of_week);
    if (const data_node* exceptions = root->find_child(L"Exceptions")) read_exceptions(calendar, *exceptions);
}

}  // namespace varnholt::document
