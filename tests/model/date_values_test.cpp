// Dates: the XER and workbook text forms, relative tokens, steps, display, order and labels.

#include "caption_language.h"
#include "model/civil_date.h"
#include "model/s_date.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace varnholt {
namespace {

using DateValues = CaptionLanguageTest;

std::int64_t utc(std::int64_t y, int mo, int d, int h = 0, int mi = 0) {
    return s_date::from_ymdhm(y, mo, d, h, mi).seconds;
}

TEST_F(DateValues, XerTextsCountWallClockTimeAsUtcWithoutNormalising) {
    struct Case { const char* why; const wchar_t* text; std::int64_t seconds; } const cases[] = {
        {"date and time", L"2015-03-04 08:00", 1425456000},
        {"blanks around", L"  2015-03-04 08:00 ", 1425456000}, {"no time part", L"2015-03-04", utc(2015, 3, 4)},
        {"day 0 is the last day of the month before", L"2015-03-00 00:00", utc(2015, 2, 28)},
        {"hour 30 runs into the next day", L"2015-03-04 30:00", utc(2015, 3, 5, 6)},
        {"month 13 follows all twelve months", L"2015-13-01", utc(2016, 1, 1)},
        {"each month past 12 counts 31 days", L"2015-14-01", utc(2016, 2, 1)},
        {"before 1970 counts from 1970", L"1969-12-31 00:00", utc(1970, 12, 31)},
        {"past 32-bit seconds", L"2038-01-19 03:15", 2147483700}, {"last table year", L"2100-12-31 23:59", 4133980740},
        {"past the table counts from 1970", L"2101-01-02", utc(1970, 1, 2)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const s_date date{std::wstring_view{c.text}};
        EXPECT_EQ(date.seconds, c.seconds);
        EXPECT_EQ(date.null_flag, 0);
    }
    EXPECT_EQ(s_date(std::wstring_view{L"2015-03-04 08:00"}).to_string(), L"4-Mar-2015");
    EXPECT_EQ(s_date(std::wstring_view{L"2100-12-31 23:59"}).to_string(), L"31-Dec-2100");
}

TEST_F(DateValues, DamagedXerTextsNeitherHangNorOverflow) {
    // A month number in the billions is counted, not looped over.
    const s_date huge_month{std::wstring_view{L"2015-2000000000-01"}};
    EXPECT_GT(huge_month.seconds, 0);
    const s_date huge_fields{std::wstring_view{L"99999999999-99999999999-99999999999 99999999999:99999999999"}};
    EXPECT_NE(huge_fields.to_string(), L"");  // saturated fields still give a date, never a trap
    EXPECT_EQ(s_date(std::wstring_view{L"garbage"}).to_string(), L"");
}

TEST_F(DateValues, BlankTextsGiveADateWithoutValue) {
    for (const wchar_t* text : {L"", L"    "}) {
        const s_date date{std::wstring_view{text}};
        EXPECT_EQ(date.null_flag, 1);
        EXPECT_EQ(date.seconds, 0);
        EXPECT_EQ(date.to_string(), L"");
    }
}

TEST_F(DateValues, RelativeTokensAreExactCapitalsOnly) {
    const std::int64_t today = s_date::today().seconds;
    const std::int64_t now = static_cast<std::int64_t>(std::time(nullptr));
    EXPECT_EQ(today % 86400, 0);
    EXPECT_LE(today, now);
    EXPECT_GT(today + 86400, now - 5);

    EXPECT_EQ(s_date(std::wstring_view{L"CD"}).seconds, today);
    const s_date week{std::wstring_view{L"CW"}};
    EXPECT_EQ(week.weekday(), 1);
    EXPECT_LE(week.seconds, today);
    EXPECT_GT(week.seconds, today - 7 * 86400);
    EXPECT_EQ(s_date(std::wstring_view{L"CM"}).day(), 1);
    EXPECT_EQ(s_date::from_xls_text("CD").seconds, today);

    for (const wchar_t* not_a_token : {L"cd", L" CD", L"CD ", L"Cw"}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(not_a_token)));
        EXPECT_EQ(s_date(std::wstring_view{not_a_token}).to_string(), L"");
    }
}

TEST_F(DateValues, WeekStartOfASundayIsThatSunday) {
    const s_date sunday = s_date::from_ymd(2015, 3, 8);
    ASSERT_EQ(sunday.weekday(), 1);
    EXPECT_EQ(s_date::previous_day(s_date::next_day(sunday)).seconds, sunday.seconds);
    EXPECT_EQ(s_date::from_ymd(2015, 3, 4).weekday(), 4);  // a Wednesday
}

TEST_F(DateValues, WorkbookTextsGiveTheSameSecondsUnderEveryTimeZone) {
    struct Case { const char* why; const char* text; std::int64_t seconds; } const cases[] = {
        {"afternoon on a 12-hour clock", "3/4/2015 8:05:00 PM", utc(2015, 3, 4, 20, 5)},
        {"half past midnight", "3/4/2015 12:30:00 AM", utc(2015, 3, 4, 0, 30)},
        {"24-hour clock", "3/4/2015 13:05:00", utc(2015, 3, 4, 13, 5)},
        {"no time", "12/31/2015", utc(2015, 12, 31)}, {"seconds count", "1/1/2000 0:00:30", utc(2000, 1, 1) + 30},
    };
    const char* const zones[] = {"UTC0", "JST-9", "EST5EDT,M3.2.0,M11.1.0", "NZST-12NZDT,M9.5.0,M4.1.0/3"};
    const char* saved = std::getenv("TZ");
    const std::string saved_zone = saved != nullptr ? saved : "";
    for (const char* zone : zones) {
        setenv("TZ", zone, 1);
        tzset();
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << c.why << " in " << zone);
            const s_date date = s_date::from_xls_text(c.text);
            EXPECT_EQ(date.seconds, c.seconds);
            EXPECT_EQ(date.null_flag, 0);
        }
    }
    if (saved != nullptr) setenv("TZ", saved_zone.c_str(), 1); else unsetenv("TZ");
    tzset();

    // The two file forms agree on one wall-clock time.
    EXPECT_EQ(s_date::from_xls_text("3/4/2015 8:00:00 AM").seconds, s_date(std::wstring_view{L"2015-03-04 08:00"}).seconds);
    // An empty cell is a zero date that counts as given; it shows nothing and sorts first.
    const s_date empty = s_date::from_xls_text("");
    EXPECT_EQ(empty.seconds, 0);
    EXPECT_EQ(empty.null_flag, 0);
    EXPECT_EQ(empty.to_string(), L"");
    EXPECT_TRUE(empty.less(s_date::from_ymd(2015, 1, 1)));
}

TEST_F(DateValues, DisplayShowsMarksAndHonoursBlank) {
    s_date date{std::wstring_view{L"2015-03-04 08:00"}};
    const std::pair<std::int32_t, const wchar_t*> marks[] = {
        {0, L"4-Mar-2015"}, {1, L"4-Mar-2015 A"}, {2, L"4-Mar-2015 A"}, {3, L"4-Mar-2015*"}, {4, L"4-Mar-2015*"}, {7, L"4-Mar-2015"}};
    for (const auto& [mark, shown] : marks) {
        date.mark = mark;
        EXPECT_EQ(date.to_string(), shown) << "mark " << mark;
    }
    date.blank = true;
    EXPECT_EQ(date.to_string(), L"");
    EXPECT_TRUE(date.less(s_date::from_ymd(2016, 1, 1))) << "a blank date still compares";

    // Assignment keeps the field's blank flag; copies take it along.
    date = s_date::from_ymd(2016, 1, 1);
    EXPECT_TRUE(date.blank);
    EXPECT_TRUE(s_date(date).blank);
    EXPECT_EQ(date.clone()->to_string(), L"");

    EXPECT_EQ(s_date::from_seconds(-86400).to_string(), L"");
    UseLanguage(L"FRA");
    EXPECT_EQ(s_date::from_ymd(2015, 5, 1).to_string(), L"1-Mai-2015");
}

TEST_F(DateValues, DatesWithoutValueSortLast) {
    std::vector<s_date> dates = {s_date{std::wstring_view{L"2015-03-04"}}, s_date{}, s_date{std::wstring_view{L"2014-01-01"}},
                                 s_date{std::wstring_view{L" "}}, s_date{std::wstring_view{L"2016-07-01"}}};
    std::stable_sort(dates.begin(), dates.end(), [](const s_date& a, const s_date& b) { return a.less(b); });
    std::vector<std::int64_t> order;
    for (const auto& d : dates) order.push_back(d.null_flag == 1 ? -1 : d.seconds);
    EXPECT_EQ(order, (std::vector<std::int64_t>{utc(2014, 1, 1), utc(2015, 3, 4), utc(2016, 7, 1), -1, -1}));

    const s_date missing, zero = s_date::from_seconds(0);
    EXPECT_TRUE(missing.greater(zero));
    EXPECT_FALSE(missing.less_equal(zero));
    EXPECT_TRUE(missing.equal(zero)) << "equality reads the seconds only";
    EXPECT_FALSE(missing.less(missing));
}

TEST_F(DateValues, StepsCrossYearEndsAndLeapDays) {
    EXPECT_EQ(s_date::next_month_start(s_date::from_ymdhm(2015, 12, 20, 9, 30)).seconds, utc(2016, 1, 1));
    EXPECT_EQ(s_date::next_month_start(s_date::from_ymd(2016, 2, 29)).seconds, utc(2016, 3, 1));
    EXPECT_EQ(s_date::next_week(s_date::from_ymd(2015, 12, 28)).seconds, utc(2016, 1, 4));
    EXPECT_EQ(s_date::previous_day(s_date::from_ymd(2016, 3, 1)).seconds, utc(2016, 2, 29));

    s_date flagged = s_date::from_ymd(2015, 1, 1);
    flagged.blank = true;
    flagged.mark = 1;
    const s_date stepped = s_date::next_day(flagged);
    EXPECT_FALSE(stepped.blank);
    EXPECT_EQ(stepped.mark, 0);

    const std::pair<int, int> quarters[] = {{3, 1}, {4, 2}, {9, 3}, {10, 4}};
    for (const auto& [month, quarter] : quarters) EXPECT_EQ(s_date::quarter(s_date::from_ymd(2015, month, 15)), quarter);

    EXPECT_EQ(days_in_month(2, 1900), 28);
    EXPECT_EQ(days_in_month(2, 2000), 29);
    EXPECT_EQ(days_in_month(13, 2015), 31);
    EXPECT_EQ(year_start_seconds(2100), 4102444800);
    EXPECT_EQ(year_start_seconds(1969), 0);
}

TEST_F(DateValues, ScaleLabelsForEveryCode) {
    const s_date date = s_date::from_ymdhm(2015, 3, 4, 8, 5);  // a Wednesday
    const std::pair<int, const wchar_t*> labels[] = {
        {1, L""}, {2, L"2015/3/04 08:05"}, {3, L"04"}, {4, L"March 2015"}, {5, L"W"}, {6, L"Wed"},
        {7, L"Mar 04"}, {8, L"8"}, {9, L"Wed Mar 04"}, {10, L"Mar"}, {11, L"2015"}, {12, L"Q1"},
        {13, L"Qtr 1, 2015"}, {14, L""}, {-1, L""}};
    for (const auto& [code, label] : labels) EXPECT_EQ(s_date::format_scale_label(date, code), label) << "code " << code;
    EXPECT_EQ(s_date::format_scale_label(s_date::from_ymdhm(2015, 11, 30, 17, 45), 2), L"2015/11/30 17:45");
    EXPECT_EQ(s_date::format_scale_label(s_date::from_ymd(2015, 11, 30), 13), L"Qtr 4, 2015");

    EXPECT_EQ(month_name(13), L"");
    EXPECT_EQ(weekday_letter(8), L"");

    UseLanguage(L"FRA");
    EXPECT_EQ(s_date::format_scale_label(date, 4), L"Mars 2015");
    EXPECT_EQ(s_date::format_scale_label(date, 5), L"M");
}

}  // namespace
}  // namespace varnholt
