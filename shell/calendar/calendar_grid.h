// calendar_grid.h - the geometry and rules of the calendar dialogs' grids: where the month
// grid puts its title, arrows and day cells, which day cells are coloured, which half hours of
// a day are worked, and how the arrows step the month. Pixel rectangles are integers with
// half-open edges; every division truncates toward zero.
#pragma once

#include "model/s_date.h"

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace varnholt {

class CalendarRecord;

struct GridRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    [[nodiscard]] constexpr std::int32_t Width() const noexcept { return right - left; }
    [[nodiscard]] constexpr std::int32_t Height() const noexcept { return bottom - top; }
    // Left and top edges belong to the rectangle, right and bottom do not.
    [[nodiscard]] constexpr bool Contains(std::int32_t x, std::int32_t y) const noexcept {
        return left <= x && x < right && top <= y && y < bottom;
    }
    friend constexpr bool operator==(const GridRect&, const GridRect&) = default;
};

// The month grid in its area: row 0 the title between two arrow boxes, row 1 the weekday
// names, rows 2 to 7 the weeks; seven columns, Sunday first.
struct MonthGridLayout {
    std::int32_t cell_width = 0;
    std::int32_t row_height = 0;
    std::int32_t arrow_width = 0;
    GridRect title;
    GridRect previous_box;
    GridRect next_box;
    std::map<std::int64_t, GridRect> day_cells;  // by the day's seconds, so in date order
};

[[nodiscard]] MonthGridLayout LayOutMonthGrid(const GridRect& area, std::int64_t year, std::int32_t month);

// The week row (1 to 6) of a day of its month.
[[nodiscard]] std::int32_t WeekRowOfDate(const s_date& date);

// How a day cell is filled for a calendar.
enum class day_fill { none, non_working, exception };
[[nodiscard]] day_fill DayFillOf(const CalendarRecord* calendar, const s_date& date);

// A work period in minutes after midnight.
struct WorkPeriod {
    std::uint32_t start = 0;
    std::uint32_t finish = 0;
};
// The periods of a date (its exception day's or its weekday's), and of a standard weekday.
[[nodiscard]] std::vector<WorkPeriod> PeriodsOfDate(const CalendarRecord* calendar, const s_date& date);
[[nodiscard]] std::vector<WorkPeriod> PeriodsOfWeekday(const CalendarRecord* calendar, std::int32_t weekday);

// Whether the first (:00-:30) and second (:30-:60) half of the hour lie wholly inside a period.
[[nodiscard]] std::pair<bool, bool> WorkedHalves(const std::vector<WorkPeriod>& periods, std::uint32_t hour);

// The hour grid of the day and weekday grids: a title of header_height, column headers of
// half that, then 24 rows of hours with two half-hour cells each, the hour numbers before them.
struct HourGridLayout {
    GridRect title;
    GridRect first_header;
    GridRect second_header;
    std::int32_t rows_top = 0;
    std::int32_t row_height = 0;
    std::int32_t gap = 2;          // between two rows, and between the two cells of a row
    std::int32_t label_left = 0;   // where the hour numbers start
    std::int32_t x0 = 0, x1 = 0, x2 = 0, x3 = 0;

    [[nodiscard]] std::int32_t RowTop(std::uint32_t hour) const noexcept {
        return rows_top + static_cast<std::int32_t>(hour) * (row_height + gap);
    }
};
// The grid's fixed lengths (margins, gaps, the numbers' column) are pixels at scale 1 and grow
// with `scale`, as its text does. `label_width` is the widest hour number as drawn: the cells
// start far enough right that no number touches them.
[[nodiscard]] HourGridLayout LayOutHourGrid(const GridRect& area, std::int32_t header_height, float scale,
                                            std::int32_t label_width);

// The month shown and the day selected in the calendar dialog, with the cells of the last
// paint for hit tests.
class MonthBrowser {
public:
    // Starts on today's month with today selected.
    MonthBrowser();
    explicit MonthBrowser(const s_date& selected);

    [[nodiscard]] std::int64_t Year() const noexcept { return m_year; }
    [[nodiscard]] std::int32_t Month() const noexcept { return m_month; }
    [[nodiscard]] const s_date& Selected() const noexcept { return m_selected; }

    // One month before or after the selected date's month; the 1st becomes selected.
    void ShowPreviousMonth();
    void ShowNextMonth();
    // Months on (or back, below 0) from the selected date's month, keeping its day of the month
    // where the new month has one, else its last day (31 January to 28 or 29 February).
    void StepMonthKeepingDay(std::int32_t months);

    // The layout the next paint uses; it is kept for the clicks that follow.
    const MonthGridLayout& LayOut(const GridRect& area);
    [[nodiscard]] const MonthGridLayout& Layout() const noexcept { return m_layout; }
    // An arrow steps the month; a day cell selects its day. True when anything changed.
    bool Click(std::int32_t x, std::int32_t y);
    // Selects the day `days` after (or before) the selected one, as a click on its cell would:
    // only a day of the month shown. True when the selection moved.
    bool SelectDayBy(std::int32_t days);

private:
    void ShowMonth(std::int64_t year, std::int32_t month);

    std::int64_t m_year = 1970;
    std::int32_t m_month = 1;
    s_date m_selected;
    MonthGridLayout m_layout;
};

}  // namespace varnholt
