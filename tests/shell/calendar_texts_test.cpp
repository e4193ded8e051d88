// calendar_texts_test.cpp - what the calendar and shift dialogs list: calendars by kind, each
// entry with its own record, hour counts without the locale, and shift period rows.

#include "model/Document.h"
#include "model/records/CalendarRecord.h"
#include "model/records/ShiftRecord.h"
#include "shell/calendar/calendar_grid.h"
#include "shell/calendar/calendar_texts.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace varnholt {
namespace {

class SketchDocument final : public document::Document {
public:
    bool Open(std::wstring_view) override { return false; }
    void Build() override {}

    CalendarRecord* AddCalendar(const wchar_t* name, std::int32_t type, const CalendarRecord* base = nullptr) {
        CalendarRecord* calendar = NewCalendar();
        calendar->clndr_name = s_string(name);
        calendar->clndr_type = s_calendar_type(type);
        calendar->base_calendar = base;
        calendar->CreateWeekdays();
        return calendar;
    }
    ShiftRecord* AddShift(const wchar_t* name, std::initializer_list<std::uint32_t> starts) {
        ShiftRecord* shift = NewShift();
        shift->shift_name = s_string(name);
        for (const std::uint32_t start : starts) {
            ShiftPerRecord* period = NewShiftPer();
            period->shift_start_hr_num = s_hour(start);
            LinkShiftPeriod(*period, shift);
        }
        shift->MeasurePeriods();
        return shift;
    }
};

TEST(CalendarTextsTest, TheCheckedKindsListTheirCalendarsInDocumentOrder) {
    SketchDocument document;
    const CalendarRecord* standard = document.AddCalendar(L"Standard", 0);
    document.AddCalendar(L"Crane", 1, standard);
    document.AddCalendar(L"Site", 2, standard);
    document.AddCalendar(L"Night", 0);
    const auto names = [&document](CalendarKinds kinds) {
        std::vector<std::wstring> listed;
        for (const CalendarEntry& entry : ListCalendars(document, kinds)) listed.push_back(entry.name);
        return listed;
    };
    EXPECT_EQ(names({true, false, false}), (std::vector<std::wstring>{L"Standard", L"Night"}));
    EXPECT_EQ(names({false, true, true}), (std::vector<std::wstring>{L"Crane", L"Site"}));
    EXPECT_TRUE(names({}).empty());
    EXPECT_EQ(BaseCalendarName(document.Calendars()[1].get()), L"Standard");
    EXPECT_EQ(BaseCalendarName(standard), L"") << "no base calendar";
    EXPECT_EQ(BaseCalendarName(nullptr), L"");
}

TEST(CalendarTextsTest, CalendarsAndShiftsOfOneNameEachShowThemselves) {
    SketchDocument document;
    const CalendarRecord* global = document.AddCalendar(L"Standard", 0);
    const CalendarRecord* other_base = document.AddCalendar(L"Base B", 0);
    CalendarRecord* project = document.AddCalendar(L"Standard", 2, other_base);
    // The project calendar works on Sundays; the global one does not.
    project->AddWeekdayPeriod(project->GetWeekday(1), s_hour(480u), s_hour(960u));

    const std::vector<CalendarEntry> entries = ListCalendars(document, {true, false, true});
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].calendar, global);
    EXPECT_EQ(entries[2].calendar, project);
    const s_date sunday = s_date::from_ymd(2025, 3, 9);
    EXPECT_EQ(DayFillOf(entries[0].calendar, sunday), day_fill::non_working);
    EXPECT_EQ(DayFillOf(entries[2].calendar, sunday), day_fill::none);
    EXPECT_EQ(BaseCalendarName(entries[0].calendar), L"");
    EXPECT_EQ(BaseCalendarName(entries[2].calendar), L"Base B");

    document.AddShift(L"Crew", {480});
    document.AddShift(L"Crew", {0, 480});
    const std::vector<ShiftEntry> shifts = ListShifts(document);
    ASSERT_EQ(shifts.size(), 2u);
    EXPECT_EQ(ShiftPeriodRows(shifts[0].shift).size(), 1u);
    EXPECT_EQ(ShiftPeriodRows(shifts[1].shift).size(), 2u);
}

TEST(CalendarTextsTest, ShiftRowsNumberThePeriodsWithTheirStartsAndLengths) {
    SketchDocument document;
    using Rows = std::vector<ShiftPeriodRow>;
    struct Case {
        const char* why;
        const ShiftRecord* shift;
        Rows rows;
    } const cases[] = {
        {"one period lasts the day", document.AddShift(L"Day", {480}), Rows{{L"1", L"08:00", L"24"}}},
        {"two periods share the day", document.AddShift(L"Two", {0, 480}),
         Rows{{L"1", L"00:00", L"8"}, {L"2", L"08:00", L"16"}}},
        {"no periods", document.AddShift(L"Empty", {}), Rows{}},
        {"no shift", nullptr, Rows{}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(ShiftPeriodRows(c.shift), c.rows);
    }
}

TEST(CalendarTextsTest, HourCountsHaveOneDecimalAndAFullStopUnderEveryLocale) {
    SketchDocument document;
    CalendarRecord* calendar = document.AddCalendar(L"Standard", 0);
    calendar->day_hr_cnt = s_double(8.0);
    calendar->week_hr_cnt = s_double(37.5);
    calendar->month_hr_cnt = s_double(162.549);
    calendar->year_hr_cnt = s_double(1950.25);
    const std::vector<std::wstring> expected{L"8.0", L"37.5", L"162.5", L"1950.2"};
    EXPECT_EQ(TimePeriodTexts(calendar), expected);
    EXPECT_EQ(TimePeriodTexts(nullptr), std::vector<std::wstring>(4));

    const std::string before = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no decimal-comma locale here";
    const std::vector<std::wstring> under_comma = TimePeriodTexts(calendar);
    std::setlocale(LC_ALL, before.c_str());
    EXPECT_EQ(under_comma, expected);
}

}  // namespace
}  // namespace varnholt
