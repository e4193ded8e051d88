// calendar_grid.cpp - month and hour grid geometry, day colours and month steps.

#include "shell/calendar/calendar_grid.h"

#include "model/civil_date.h"
#include "model/records/CalendarRecord.h"

#include <algorithm>
#include <cmath>

namespace varnholt {
namespace {

// 0 = Sunday, as the grid's columns count.
std::int32_t ColumnOf(const s_date& date) { return date.weekday() - 1; }

}  // namespace

MonthGridLayout LayOutMonthGrid(const GridRect& area, std::int64_t year, std::int32_t month) {
    MonthGridLayout grid;
    const std::int32_t l = area.left, t = area.top, r = area.right;
    const std::int32_t w = area.Width() / 7;
    const std::int32_t h = area.Height() / 8;
    const auto a = static_cast<std::int32_t>(1.5 * w);
    grid.cell_width = w;
    grid.row_height = h;
    grid.arrow_width = a;
    grid.title = {l + a, t, r - a, t + h};
    grid.previous_box = {l, t, l + a, t + h};
    grid.next_box = {r - a, t, r, t + h};
    const std::int32_t days = days_in_month(month, static_cast<std::int32_t>(year));
    for (std::int32_t n = 1; n <= days; ++n) {
        const s_date date = s_date::from_ymd(year, month, n);
        const std::int32_t c = ColumnOf(date);
        const std::int32_t row = WeekRowOfDate(date);
        grid.day_cells[date.seconds] = {l + c * w, t + (row + 1) * h, l + (c + 1) * w, t + (row + 2) * h};
    }
    return grid;
}

std::int32_t WeekRowOfDate(const s_date& date) {
    const s_date first = s_date::from_ymd(date.year(), date.month(), 1);
    return 1 + (date.day() - 1 + ColumnOf(first)) / 7;
}

day_fill DayFillOf(const CalendarRecord* calendar, const s_date& date) {
    if (calendar == nullptr) return day_fill::none;
    if (calendar->WorkingMinutes(date, s_date::next_day(date)) == 0) return day_fill::non_working;
    if (calendar->GetDay(date) != nullptr) return day_fill::exception;
    return day_fill::none;
}

std::vector<WorkPeriod> PeriodsOfDate(const CalendarRecord* calendar, const s_date& date) {
    std::vector<WorkPeriod> periods;
    if (calendar == nullptr) return periods;
    const std::size_t count = calendar->GetPeriodCount(date);
    for (std::size_t p = 0; p < count; ++p) {
        if (const CalendarPeriod* period = calendar->GetPeriod(date, p)) {
            periods.push_back({period->start.minutes, period->finish.minutes});
        }
    }
    return periods;
}

std::vector<WorkPeriod> PeriodsOfWeekday(const CalendarRecord* calendar, std::int32_t weekday) {
    std::vector<WorkPeriod> periods;
    if (calendar == nullptr) return periods;
    if (const CalendarDay* day = calendar->GetWeekday(weekday)) {
        for (const auto& period : day->periods) {
            if (period != nullptr) periods.push_back({period->start.minutes, period->finish.minutes});
        }
    }
    return periods;
}

std::pair<bool, bool> WorkedHalves(const std::vector<WorkPeriod>& periods, std::uint32_t hour) {
    const std::uint32_t at = 60 * hour;
    std::pair<bool, bool> worked{false, false};
    for (const WorkPeriod& period : periods) {
        if (period.start <= at && period.finish >= at + 30) worked.first = true;
        if (period.start <= at + 30 && period.finish >= at + 60) worked.second = true;
    }
    return worked;
}

HourGridLayout LayOutHourGrid(const GridRect& area, std::int32_t header_height, float scale, std::int32_t label_width) {
    HourGridLayout grid;
    const auto scaled = [scale](std::int32_t pixels) { return static_cast<std::int32_t>(std::lround(pixels * scale)); };
    const std::int32_t l = area.left, t = area.top;
    grid.gap = scaled(2);
    grid.row_height = (area.Height() - 2 * header_height) / 24 - grid.gap;
    grid.label_left = l + scaled(5);
    // A number and the cell after it stand a gap apart; the cells keep the room they had
    // before the numbers' column, the right margin taking what the numbers need beyond it.
    const std::int32_t cells_left = std::max(scaled(19), scaled(5) + label_width + scaled(3));
    const std::int32_t cw = (area.Width() - scaled(25) - std::max(0, cells_left - scaled(19))) / 2;
    grid.x0 = l + cells_left;
    grid.x1 = grid.x0 + cw;
    grid.x2 = grid.x1 + grid.gap;
    grid.x3 = grid.x2 + cw;
    grid.rows_top = static_cast<std::int32_t>(t + 1.5 * header_height);
    grid.title = {l, t, area.right, t + header_height};
    grid.first_header = {grid.x0, t + header_height, grid.x1, grid.rows_top};
    grid.second_header = {grid.x2, t + header_height, grid.x3, grid.rows_top};
    return grid;
}

MonthBrowser::MonthBrowser() : MonthBrowser(s_date::today()) {}

MonthBrowser::MonthBrowser(const s_date& selected)
    : m_year(selected.year()), m_month(selected.month()), m_selected(selected) {}

void MonthBrowser::ShowMonth(std::int64_t year, std::int32_t month) {
    m_year = year;
    m_month = month;
    m_selected = s_date::from_ymd(year, month, 1);
}

void MonthBrowser::ShowPreviousMonth() {
    const std::int32_t month = m_selected.month();
    if (month == 1) ShowMonth(m_selected.year() - 1, 12);
    else ShowMonth(m_selected.year(), month - 1);
}

void MonthBrowser::ShowNextMonth() {
    const std::int32_t month = m_selected.month();
    if (month == 12) ShowMonth(m_selected.year() + 1, 1);
    else ShowMonth(m_selected.year(), month + 1);
}

void MonthBrowser::StepMonthKeepingDay(std::int32_t months) {
    const std::int64_t index = m_selected.year() * 12 + (m_selected.month() - 1) + months;
    const std::int64_t year = index >= 0 ? index / 12 : (index - 11) / 12;
    const auto month = static_cast<std::int32_t>(index - year * 12 + 1);
    const std::int32_t day = std::min(m_selected.day(), days_in_month(month, static_cast<std::int32_t>(year)));
    m_year = year;
    m_month = month;
    m_selected = s_date::from_ymd(year, month, day);
}

const MonthGridLayout& MonthBrowser::LayOut(const GridRect& area) {
    m_layout = LayOutMonthGrid(area, m_year, m_month);
    return m_layout;
}

bool MonthBrowser::Click(std::int32_t x, std::int32_t y) {
    if (m_layout.previous_box.Contains(x, y)) {
        ShowPreviousMonth();
        return true;
    }
    if (m_layout.next_box.Contains(x, y)) {
        ShowNextMonth();
        return true;
    }
    for (const auto& [seconds, cell] : m_layout.day_cells) {
        if (cell.Contains(x, y)) {
            m_selected = s_date::from_seconds(seconds);
            return true;
        }
    }
    return false;
}

bool MonthBrowser::SelectDayBy(std::int32_t days) {
    const std::int32_t day = m_selected.day() + days;
    if (days == 0 || day < 1 || day > days_in_month(m_month, static_cast<std::int32_t>(m_year))) return false;
    m_selected = s_date::from_ymd(m_year, m_month, day);
    return true;
}

}  // namespace varnholt
