// calendar_grid_test.cpp - the calendar dialog's grids without a window: week rows, month
// steps, clicks, day keys, day colours, worked half hours and the recorded month grid.

#include "model/CaptionCatalog.h"
#include "model/records/CalendarRecord.h"
#include "shell/calendar/calendar_painting.h"
#include "views/draw/RecordingBackend.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace varnholt {
namespace {

s_date Day(std::int64_t year, std::int32_t month, std::int32_t day) { return s_date::from_ymd(year, month, day); }

// 350 x 280 gives cells of 50 x 35 and arrow boxes 75 wide.
constexpr GridRect kMonthArea{0, 0, 350, 280};

TEST(CalendarGridTest, TheLastDayOfAMonthFallsInItsWeekRow) {
    struct Case {
        const char* why;
        s_date date;
        std::int32_t row;
    } const cases[] = {
        {"March 2025: 31 days from a Saturday", Day(2025, 3, 31), 6},
        {"its 1st", Day(2025, 3, 1), 1},
        {"its first Sunday", Day(2025, 3, 2), 2},
        {"February 2015: 28 days from a Sunday", Day(2015, 2, 28), 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(WeekRowOfDate(c.date), c.row);
    }
    // The cell of a row-r day lies r + 1 rows below the title.
    const MonthGridLayout grid = LayOutMonthGrid(kMonthArea, 2025, 3);
    EXPECT_EQ(grid.day_cells.size(), 31u);
    EXPECT_EQ(grid.day_cells.at(Day(2025, 3, 31).seconds), (GridRect{50, 245, 100, 280}));
    EXPECT_EQ(grid.day_cells.at(Day(2025, 3, 1).seconds), (GridRect{300, 70, 350, 105}));
    EXPECT_EQ(grid.previous_box, (GridRect{0, 0, 75, 35}));
    EXPECT_EQ(grid.next_box, (GridRect{275, 0, 350, 35}));
}

TEST(CalendarGridTest, ArrowsStepTheMonthAcrossYearsAndSelectTheFirst) {
    struct Case {
        const char* why;
        s_date from;
        bool next;
        std::int64_t year;
        std::int32_t month;
    } const cases[] = {
        {"January back to December", Day(2025, 1, 15), false, 2024, 12},
        {"December on to January", Day(2024, 12, 10), true, 2025, 1},
        {"within a year", Day(2025, 6, 30), true, 2025, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        MonthBrowser browser(c.from);
        if (c.next) browser.ShowNextMonth();
        else browser.ShowPreviousMonth();
        EXPECT_EQ(browser.Year(), c.year);
        EXPECT_EQ(browser.Month(), c.month);
        EXPECT_EQ(browser.Selected().seconds, Day(c.year, c.month, 1).seconds);
    }
}

TEST(CalendarGridTest, PageKeysStepTheMonthKeepingTheDayWithinTheNewMonth) {
    struct Case {
        const char* why;
        s_date from;
        std::int32_t months;
        s_date to;
    } const cases[] = {
        {"the 31st into a short February", Day(2025, 1, 31), 1, Day(2025, 2, 28)},
        {"into a leap February", Day(2024, 3, 30), -1, Day(2024, 2, 29)},
        {"a day every month has", Day(2026, 12, 8), 1, Day(2027, 1, 8)},
        {"January back to December", Day(2025, 1, 15), -1, Day(2024, 12, 15)},
        {"into a 30-day month", Day(2025, 5, 31), -1, Day(2025, 4, 30)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        MonthBrowser browser(c.from);
        browser.StepMonthKeepingDay(c.months);
        EXPECT_EQ(browser.Selected().seconds, c.to.seconds);
        EXPECT_EQ(browser.Year(), c.to.year());
        EXPECT_EQ(browser.Month(), c.to.month());
    }
}

TEST(CalendarGridTest, ClicksHitArrowsAndDaysWithHalfOpenEdges) {
    struct Case {
        const char* why;
        std::int32_t x, y;
        bool changes;
        std::int32_t month;  // displayed afterwards
        std::int32_t day;    // selected afterwards
    } const cases[] = {
        {"the title between the arrows", 175, 10, false, 3, 5},
        {"an empty cell before the 1st", 25, 80, false, 3, 5},
        {"an empty cell after the 31st", 300, 260, false, 3, 5},
        {"the left arrow", 10, 10, true, 2, 1},
        {"the right arrow's left edge", 275, 34, true, 4, 1},
        {"the 1st's left and top edges", 300, 70, true, 3, 1},
        {"the 31st's bottom edge belongs to nothing", 60, 280, false, 3, 5},
        {"a right edge belongs to the next cell", 100, 250, false, 3, 5},  // Tuesday 1 April is no cell
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        MonthBrowser browser(Day(2025, 3, 5));
        (void)browser.LayOut(kMonthArea);
        EXPECT_EQ(browser.Click(c.x, c.y), c.changes);
        EXPECT_EQ(browser.Month(), c.month);
        EXPECT_EQ(browser.Selected().day(), c.day);
    }
}

TEST(CalendarGridTest, DayKeysMoveTheSelectionOnlyWithinTheMonthShown) {
    struct Case {
        const char* why;
        s_date from;
        std::int32_t days;
        bool moves;
        std::int32_t day;  // selected afterwards
    } const cases[] = {
        {"a week on", Day(2024, 2, 15), 7, true, 22},
        {"onto a leap day", Day(2024, 2, 28), 1, true, 29},
        {"past the month's last day", Day(2024, 2, 29), 1, false, 29},
        {"a week back past the 1st", Day(2025, 3, 5), -7, false, 5},
        {"back to the 1st", Day(2025, 3, 2), -1, true, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        MonthBrowser browser(c.from);
        EXPECT_EQ(browser.SelectDayBy(c.days), c.moves);
        EXPECT_EQ(browser.Selected().seconds, Day(c.from.year(), c.from.month(), c.day).seconds);
        EXPECT_EQ(browser.Month(), c.from.month());
    }
}

TEST(CalendarGridTest, AHalfHourIsWorkedOnlyWhenAPeriodCoversItWhole) {
    const std::vector<WorkPeriod> morning{{480, 720}};
    const std::vector<WorkPeriod> late_start{{495, 720}};
    struct Case {
        const char* why;
        const std::vector<WorkPeriod>& periods;
        std::uint32_t hour;
        bool first, second;
    } const cases[] = {
        {"before the period", morning, 7, false, false},
        {"its first hour", morning, 8, true, true},
        {"its last hour", morning, 11, true, true},
        {"the hour it ends", morning, 12, false, false},
        {"a quarter past start greys the first half", late_start, 8, false, true},
        {"then whole hours", late_start, 9, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(WorkedHalves(c.periods, c.hour), std::make_pair(c.first, c.second));
    }
}

class DayFillTest : public testing::Test {
protected:
    void SetUp() override {
        calendar.CreateWeekdays();
        for (std::int32_t weekday = 2; weekday <= 6; ++weekday) {
            calendar.AddWeekdayPeriod(calendar.GetWeekday(weekday), s_hour(480u), s_hour(1020u));
        }
        calendar.AddExceptionDay(Day(2025, 3, 4));  // a holiday on a Tuesday
        calendar.AddExceptionPeriod(calendar.AddExceptionDay(Day(2025, 3, 8)), s_hour(540u), s_hour(600u));
    }
    CalendarRecord calendar;
};

TEST_F(DayFillTest, DaysAreGreyBlueOrUnfilled) {
    struct Case {
        const char* why;
        s_date date;
        day_fill fill;
    } const cases[] = {
        {"a working weekday without an exception", Day(2025, 3, 3), day_fill::none},
        {"a weekend day", Day(2025, 3, 9), day_fill::non_working},
        {"a holiday", Day(2025, 3, 4), day_fill::non_working},
        {"a worked Saturday", Day(2025, 3, 8), day_fill::exception},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(DayFillOf(&calendar, c.date), c.fill);
    }
    EXPECT_EQ(DayFillOf(nullptr, Day(2025, 3, 9)), day_fill::none) << "no calendar colours nothing";
}

TEST_F(DayFillTest, TheRecordedMonthGridFramesTheSelectedDayAndColoursTheWeekend) {
    CaptionCatalog::Instance().ChooseLanguage(L"ENU");
    view::RecordingBackend recording;
    view::DrawContext dc;
    dc.SetDevice(&recording);
    MonthBrowser browser(Day(2025, 3, 5));
    PaintMonthGrid(dc, browser, kMonthArea, &calendar);
    const std::string drawn = recording.Joined();
    // Wednesday 5 March: column 3, week row 2, so the cell (150, 105)-(200, 140).
    EXPECT_NE(drawn.find("line 2 solid ff323232 151,106 198,106"), std::string::npos) << drawn;
    EXPECT_NE(drawn.find("fill ffc8c8c8 0,140 50,175"), std::string::npos) << "Sunday 9 March is grey";
    EXPECT_NE(drawn.find("fill fff0d2aa 300,105 350,140"), std::string::npos) << "Saturday 8 March is blue";
    EXPECT_NE(drawn.find("\"March 2025\""), std::string::npos);
    // The day grid of the 8th whitens 09:00-10:00 only.
    recording.Clear();
    PaintHourGrid(dc, GridRect{0, 0, 225, 650}, 35, PeriodsOfDate(&calendar, Day(2025, 3, 8)));
    const auto white_cells = std::ranges::count_if(recording.Lines(), [](const std::string& line) {
        return line.starts_with("fill ffffffff") && !line.starts_with("fill ffffffff 0,0 ");
    });
    EXPECT_EQ(white_cells, 2);
    dc.SetDevice(nullptr);
}

}  // namespace
}  // namespace varnholt
