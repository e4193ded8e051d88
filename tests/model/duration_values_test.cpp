// Durations, quantities, prices and times of day under every unit of time and decimals code.

#include "caption_language.h"
#include "model/display_settings.h"
#include "model/number_formats.h"
#include "model/records/calendar_factors.h"
#include "model/s_doubles.h"
#include "model/s_dur.h"
#include "model/s_hour.h"
#include "model/s_unit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace varnholt {
namespace {

class DurationValues : public CaptionLanguageTest {
protected:
    static UnitDisplaySettings& Settings() { return display_settings().active; }
    static void Durations(std::int32_t unit, std::int32_t decimals, bool label) {
        Settings().duration_UnitOfTime = unit;
        Settings().duration_Decimals = decimals;
        Settings().duration_ShowDurationLabel = label;
    }
    static void Quantities(std::int32_t unit, std::int32_t per, std::int32_t decimals, bool label) {
        Settings().unit_UnitOfTime = unit;
        Settings().duration_UnitOfTime = per;
        Settings().unit_Decimals = decimals;
        Settings().unit_ShowDurationLabel = label;
    }
};

TEST_F(DurationValues, TwentyHoursInEveryUnitAndDecimalsCode) {
    const wchar_t* const expected[5][4] = {
        {L"20h", L"20h", L"20.0h", L"20.00h"}, {L"20d", L"3d", L"2.5d", L"2.50d"},
        {L"20w", L"1w", L"0.5w", L"0.50w"}, {L"20m", L"0m", L"0.1m", L"0.12m"},
        {L"20y", L"0y", L"0.0y", L"0.01y"},
    };
    const s_dur twenty(20.0);
    for (int unit = 0; unit < 5; ++unit) {
        for (int decimals = 0; decimals < 4; ++decimals) {
            SCOPED_TRACE(testing::Message() << "unit " << unit << ", decimals " << decimals);
            Durations(unit, decimals, true);
            EXPECT_EQ(twenty.to_string(), expected[unit][decimals]);
            Durations(unit, decimals, false);
            std::wstring without = expected[unit][decimals];
            without.pop_back();
            EXPECT_EQ(twenty.to_string(), without);
        }
    }
}

TEST_F(DurationValues, NumberFormsAtTheEdges) {
    struct Case { const char* why; double hours; std::int32_t unit, decimals; const wchar_t* shown; } const cases[] = {
        {"zero, one decimal, hours", 0, 0, 2, L"0.0h"}, {"negative days, one decimal", -12, 1, 2, L"-1.5d"},
        {"six digits leave no decimal", 123456.78, 0, 2, L"123457h"},
        {"a million hours keeps its digits", 1500000, 0, 2, L"1500000.0h"},
        {"just below a million rounds up to one", 999999.96, 0, 2, L"1000000.0h"},
        {"stored tiny value", 0.00005, 0, 0, L"0.00005h"}, {"unknown decimals code keeps the letter", 20, 1, 4, L"d"},
        {"unknown unit shows nothing", 20, 5, 1, L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        Durations(c.unit, c.decimals, true);
        EXPECT_EQ(s_dur(c.hours).to_string(), c.shown);
    }
}

TEST_F(DurationValues, BlankValuesShowNothingEvenWithLabels) {
    const s_dur blank_duration;
    const s_unit blank_quantity;
    s_unit blank_price(12.0, s_unit::kPricePerHour);
    blank_price.blank = 1;
    for (int unit = 0; unit < 5; ++unit) {
        for (int decimals = 0; decimals < 4; ++decimals) {
            Durations(unit, decimals, true);
            Quantities(unit, unit, decimals, true);
            EXPECT_EQ(blank_duration.to_string(), L"");
            EXPECT_EQ(blank_quantity.to_string(), L"");
            EXPECT_EQ(blank_price.to_string(), L"");
        }
    }
    EXPECT_EQ(s_dur(std::wstring_view{L""}).blank, 0) << "empty file text is zero hours, not blank";
}

std::unique_ptr<CalendarRecord> CalendarOf(double day, double week, double month, double year) {
    auto calendar = std::make_unique<CalendarRecord>();
    calendar->day_hr_cnt = s_double(day);
    calendar->week_hr_cnt = s_double(week);
    calendar->month_hr_cnt = s_double(month);
    calendar->year_hr_cnt = s_double(year);
    return calendar;
}

TEST_F(DurationValues, CalendarFactorsBelongToTheCalendarAndNeverDivideByZero) {
    const auto damaged = CalendarOf(0.0, -40.0, std::nan(""), 1800.0);
    s_dur duration(16.0);
    WithCalendarFactors(duration, damaged.get());
    // The calendar (so the document) owns the set: nothing outlives the file it came from.
    EXPECT_EQ(&duration.factors.get(), &damaged->HourFactors());
    EXPECT_EQ(duration.factors->hours_per_week, 40.0) << "a count that is not positive keeps the default";
    EXPECT_EQ(duration.factors->hours_per_month, 172.0);
    EXPECT_EQ(duration.factors->hours_per_year, 1800.0);
    Durations(1, 1, true);
    EXPECT_EQ(duration.to_string(), L"2d");

    const auto ten_hours = CalendarOf(10.0, 50.0, 200.0, 2400.0);
    s_dur other(16.0);
    WithCalendarFactors(other, ten_hours.get());
    Durations(1, 2, false);
    EXPECT_EQ(other.to_string(), L"1.6");
    EXPECT_EQ(s_dur(16.0).factors->hours_per_day, 8.0) << "a value without a calendar keeps the defaults";
}

TEST_F(DurationValues, NoFiniteAmountShowsAsInfinityOrNaN) {
    const double max = std::numeric_limits<double>::max();
    const auto seconds_a_day = CalendarOf(1e-300, 1e-300, 1e-300, 1e-300);
    for (const double amount : {max, -max, 2e306, -2e306, 1e300, 5e-324}) {
        for (std::int32_t decimals = 0; decimals <= 3; ++decimals) {
            SCOPED_TRACE(testing::Message() << amount << " at decimals " << decimals);
            Durations(1, decimals, true);
            Quantities(1, 1, decimals, true);
            s_dur tiny_days(amount);
            WithCalendarFactors(tiny_days, seconds_a_day.get());
            std::vector<std::wstring> shown = {s_cost(amount).to_string(), s_percent(amount).to_string(),
                                               s_dur(amount).to_string(), tiny_days.to_string()};
            for (std::int32_t kind = s_unit::kQuantity; kind <= s_unit::kPricePerUnit; ++kind)
                shown.push_back(s_unit(amount, kind).to_string());
            for (const std::wstring& text : shown) {
                EXPECT_EQ(text.find(L"inf"), std::wstring::npos) << testing::PrintToString(text);
                EXPECT_EQ(text.find(L"nan"), std::wstring::npos) << testing::PrintToString(text);
            }
        }
    }
    EXPECT_EQ(s_cost(2e306).to_string().substr(0, 8), L"$2,000,0");
    EXPECT_EQ(s_cost(std::wstring_view{L"1e400"}).to_string(), L"") << "read as infinity, shown empty";
    EXPECT_EQ(s_cost(std::wstring_view{L"-1e400"}).to_string(), L"");
}

TEST_F(DurationValues, QuantitiesPerTimeAndRates) {
    struct Case { const char* why; double value; std::int32_t kind, unit, per, decimals; bool label; const wchar_t* shown; };
    const Case cases[] = {
        {"work in days", 16, 0, 1, 1, 2, true, L"2.0d"},
        {"stored work names its unit anyway", 16, 0, 1, 1, 0, false, L"16d"},
        {"hours per day", 1.0, 1, 0, 1, 1, true, L"8h/d"},
        {"two decimals", 0.5, 1, 0, 1, 3, true, L"4.00h/d"}, {"months per hour", 1.0, 1, 3, 0, 3, true, L"0.01m/h"},
        {"small negative keeps its sign", -0.5, 1, 0, 0, 2, true, L"-0.5h/h"},
        {"stored units per time", 1.5, 1, 0, 1, 0, false, L"1.5h/d"},
        {"unknown per unit gives zero", 1.0, 1, 0, 7, 1, true, L"0h/"},
        {"rate per day", 10, 2, 0, 1, 1, false, L"80/d"}, {"stored rate", 10, 2, 0, 1, 0, false, L"10/d"},
        {"unknown kind", 10, 9, 0, 1, 1, false, L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        Quantities(c.unit, c.per, c.decimals, c.label);
        EXPECT_EQ(s_unit(c.value, c.kind).to_string(), c.shown);
    }

    UseLanguage(L"FRA");
    Quantities(1, 1, 2, true);
    EXPECT_EQ(s_unit(16.0, s_unit::kQuantity).to_string(), L"2.0j");
    // Languages without captions of their own show the English labels.
    UseLanguage(L"DEU");
    Quantities(0, 1, 1, false);
    EXPECT_EQ(s_unit(1.0, s_unit::kUnitsPerTime).to_string(), L"8/d");
}

TEST_F(DurationValues, PricesFollowTheUnitNumberFormat) {
    struct Case { double value; std::int32_t kind, decimals; const wchar_t* shown; } const cases[] = {
        {1234.5, 3, 1, L"$1,234.50/h"}, {1234.5, 3, 0, L"$1,234.5/h"}, {99.999, 4, 3, L"$100.00/unit"},
        {-1234, 3, 0, L"-$1,234/h"},    {1e18, 3, 1, L"$1,000,000,000,000,000,000.00/h"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " at decimals " << c.decimals);
        Quantities(1, 1, c.decimals, false);
        EXPECT_EQ(s_unit(c.value, c.kind).to_string(), c.shown);
    }
    value_formats().unit_number_format = {L",", L".", L"€"};
    Quantities(1, 1, 1, false);
    EXPECT_EQ(s_unit(1234.5, s_unit::kPricePerHour).to_string(), L"€1.234,50/h");
    Quantities(1, 1, 0, false);
    EXPECT_EQ(s_unit(1234.5, s_unit::kPricePerHour).to_string(), L"€1,234.5/h");
}

TEST_F(DurationValues, OrderAndEquality) {
    std::vector<s_dur> durations = {s_dur{}, s_dur(10.0), s_dur(2.0), s_dur{}, s_dur(-1.0)};
    std::stable_sort(durations.begin(), durations.end(), [](const s_dur& a, const s_dur& b) { return a.less(b); });
    std::vector<double> order;
    for (const auto& d : durations) order.push_back(d.blank ? 999 : d.value);
    EXPECT_EQ(order, (std::vector<double>{-1, 2, 10, 999, 999}));
    EXPECT_TRUE(s_dur{}.equal(s_dur(0.0)));
    EXPECT_TRUE(s_dur{}.greater_equal(s_dur(5.0)));
    EXPECT_FALSE(s_dur(std::nan("")).less(s_dur(1.0)));
    EXPECT_TRUE(s_dur(std::nan("")).not_equal(s_dur(1.0)));

    EXPECT_TRUE(s_unit(10.000, 0).equal(s_unit(10.005, 3)));
    EXPECT_TRUE(s_unit(10.00, 0).not_equal(s_unit(10.01, 0)));
    EXPECT_FALSE(s_unit(0.0, 0).not_equal(s_unit(0.009, 0)));
    EXPECT_FALSE(s_unit(1.0, 0).equal(s_dur(1.0)));
}

TEST_F(DurationValues, TimesOfDay) {
    struct Case { const wchar_t* text; std::uint32_t minutes; const wchar_t* shown; } const cases[] = {
        {L"8", 480, L"08:00"},       {L"08:00", 480, L"08:00"}, {L"7:5", 425, L"07:05"},
        {L"", 0, L"00:00"},          {L"17:30", 1050, L"17:30"}, {L"24:00", 1440, L"24:00"},
        {L":30", 0, L"00:00"},       {L" 9:15x", 555, L"09:15"}, {L"abc", 0, L"00:00"},
        {L"-1", 4294967295u, L"71582788:15"}, {L"99999999999:00", 4294967295u, L"71582788:15"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
        const s_hour hour{std::wstring_view{c.text}};
        EXPECT_EQ(hour.minutes, c.minutes);
        EXPECT_EQ(hour.to_string(), c.shown);
    }
    EXPECT_TRUE(s_hour(480u).less(s_hour(1050u)));
}

}  // namespace
}  // namespace varnholt
