// Calendar data: the clndr_data text read into weekday work periods and exception days.

#include "import/xer_parser.h"
#include "model/records/CalendarRecord.h"

#include <gtest/gtest.h>

#include <string>

namespace varnholt {
namespace {

using document::xer_parser;

// "weekday: start-finish ..." for every weekday with periods, then "exception date:
// periods" for every exception day, minutes after midnight, one item a line.
std::string Describe(const CalendarRecord& calendar) {
    std::string out;
    const auto periods = [&](const std::vector<std::unique_ptr<CalendarPeriod>>& list) {
        for (const auto& period : list)
            out += " " + std::to_string(period->start.minutes) + "-" + std::to_string(period->finish.minutes);
    };
    for (const auto& [number, day] : calendar.weekdays) {
        if (day->periods.empty()) continue;
        out += "day " + std::to_string(number) + ":";
        periods(day->periods);
        out += "\n";
    }
    for (const auto& [seconds, day] : calendar.exceptions) {
        out += "exception " + std::to_string(seconds / 86400) + ":";
        periods(day->periods);
        out += "\n";
    }
    return out;
}

std::string Read(std::wstring_view clndr_data) {
    CalendarRecord calendar;
    xer_parser::parse_calendar_data(calendar, clndr_data);
    return Describe(calendar);
}

TEST(CalendarData, ReadsWeekdaysAndExceptions) {
    struct Case { const char* why; std::wstring_view text; std::string expected; } const cases[] = {
        {"weekday periods and a day off",
         L"(0||CalendarData()((0||DaysOfWeek()((0||1()())(0||2()((0||0(s|08:00|f|12:00)())"
         L"(0||1(s|13:00|f|17:00)())))))(0||Exceptions()((0||0(d|25569)())))))",
         "day 2: 480-720 780-1020\nexception 0:\n"},
        {"exception with a work period",
         L"(0||CalendarData()((0||Exceptions()((0||0(d|25569)((0||0(s|08:00|f|12:00)())))))))",
         "exception 0: 480-720\n"},
        {"day before 1970", L"(0||CalendarData()((0||Exceptions()((0||0(d|25568)())))))", "exception -1:\n"},
        {"weekdays 0 and 8 are ignored",
         L"(0||CalendarData()((0||DaysOfWeek()((0||0()((0||0(s|8|f|9)())))(0||8()((0||0(s|8|f|9)())))"
         L"(0||7()((0||0(s|8|f|9)())))))))",
         "day 7: 480-540\n"},
        {"a period without a finish is skipped",
         L"(0||CalendarData()((0||DaysOfWeek()((0||3()((0||0(s|08:00)())(0||1(s|13:00|f|14:30)())))))))",
         "day 3: 780-870\n"},
        {"periods keep text order, unchecked",
         L"(0||CalendarData()((0||DaysOfWeek()((0||4()((0||0(s|17:00|f|13:00)())(0||1(s|08:00|f|12:00)())))))))",
         "day 4: 1020-780 480-720\n"},
        {"an exception without d is skipped",
         L"(0||CalendarData()((0||Exceptions()((0||0(x|1)((0||0(s|8|f|9)())))(0||1(d|25570)())))))",
         "exception 1:\n"},
        {"a root without a name is accepted", L"(()((0||DaysOfWeek()((0||2()((0||0(s|8|f|9)())))))))",
         "day 2: 480-540\n"},
        {"another root name adds nothing",
         L"(0||Calendar()((0||DaysOfWeek()((0||2()((0||0(s|8|f|9)())))))))", ""},
        {"only the first DaysOfWeek counts",
         L"(0||CalendarData()((0||DaysOfWeek()((0||2()((0||0(s|8|f|9)())))))"
         L"(0||DaysOfWeek()((0||3()((0||0(s|8|f|9)())))))))",
         "day 2: 480-540\n"},
        {"a weekday number with a sign and blanks", L"(0||CalendarData()((0||DaysOfWeek()((0|| +5()((0||0(s|8|f|9)())))))))",
         "day 5: 480-540\n"},
        {"empty text", L"", ""}, {"not calendar data", L"Standard 5 day week", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(Read(c.text), c.expected);
    }
}

// A date given twice keeps its first entry: its periods stay, the second entry's are
// dropped, and the calendar holds one day for the date.
TEST(CalendarData, RepeatedExceptionDateKeepsTheFirst) {
    CalendarRecord calendar;
    xer_parser::parse_calendar_data(
        calendar,
        L"(0||CalendarData()((0||Exceptions()("
        L"(0||0(d|44287)((0||0(s|08:00|f|12:00)())))"
        L"(0||1(d|44287)((0||0(s|13:00|f|17:00)())(0||1(s|18:00|f|20:00)())))"
        L"(0||2(d|44288)((0||0(s|09:00|f|10:00)())))))))");
    EXPECT_EQ(Describe(calendar), "exception 18718: 480-720\nexception 18719: 540-600\n");
}

TEST(CalendarData, AddsToWhatTheCalendarHas) {
    CalendarRecord calendar;
    const std::wstring_view data = L"(0||CalendarData()((0||DaysOfWeek()((0||2()((0||0(s|8|f|9)())))))))";
    xer_parser::parse_calendar_data(calendar, data);
    xer_parser::parse_calendar_data(calendar, data);
    EXPECT_EQ(Describe(calendar), "day 2: 480-540 480-540\n");
}

}  // namespace
}  // namespace varnholt
