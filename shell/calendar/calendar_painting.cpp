// calendar_painting.cpp - the month grid, the hour grids and the legend swatches.

#include "shell/calendar/calendar_painting.h"

#include "shell/ui_text.h"
#include "views/draw/TextStyle.h"

#include <string>

namespace varnholt {
namespace {

using view::Color;

constexpr std::uint32_t kCentredLine = view::kTextCenter | view::kTextVCenter | view::kTextSingleLine | view::kTextNoPrefix;
constexpr std::uint32_t kLeftLine = view::kTextVCenter | view::kTextSingleLine | view::kTextNoPrefix;

view::RectF ToRectF(const GridRect& rect) {
    return {static_cast<float>(rect.left), static_cast<float>(rect.top), static_cast<float>(rect.Width()),
            static_cast<float>(rect.Height())};
}

void Fill(view::DrawContext& dc, Color color, const GridRect& rect) { dc.FillRect(color, ToRectF(rect)); }

void Outline(view::DrawContext& dc, const GridRect& rect) {
    const view::RectF box = ToRectF(rect);
    dc.FrameRect(1.0f, kGridLineGrey, box.x, box.y, box.width, box.height);
}

void GridLine(view::DrawContext& dc, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    dc.DrawLine(view::kPenSolid, 1.0f, kGridLineGrey, static_cast<float>(x1), static_cast<float>(y1),
                static_cast<float>(x2), static_cast<float>(y2));
}

void AccentLine(view::DrawContext& dc, float x1, float y1, float x2, float y2) {
    dc.DrawLine(view::kPenSolid, 2.0f, kAccentGrey, x1, y1, x2, y2);
}

void PaintArrows(view::DrawContext& dc, const GridRect& area, const MonthGridLayout& grid) {
    const auto cy = static_cast<float>(area.top + grid.row_height / 2);
    const auto left = static_cast<float>(area.left + grid.arrow_width / 2);
    AccentLine(dc, left + 6, cy - 6, left, cy);
    AccentLine(dc, left, cy, left + 6, cy + 6);
    const auto right = static_cast<float>(area.right - grid.arrow_width / 2);
    AccentLine(dc, right - 6, cy - 6, right, cy);
    AccentLine(dc, right, cy, right - 6, cy + 6);
}

void PaintSelectedFrame(view::DrawContext& dc, const GridRect& cell) {
    const float x = static_cast<float>(cell.left) + 1.5f;
    const float y = static_cast<float>(cell.top) + 1.5f;
    const float right = x + static_cast<float>(cell.Width() - 3);
    const float bottom = y + static_cast<float>(cell.Height() - 3);
    AccentLine(dc, x, y, right, y);
    AccentLine(dc, right, y, right, bottom);
    AccentLine(dc, right, bottom, x, bottom);
    AccentLine(dc, x, bottom, x, y);
}

void PaintGridLines(view::DrawContext& dc, const GridRect& area, const MonthGridLayout& grid) {
    const std::int32_t l = area.left, t = area.top, r = area.right, b = area.bottom;
    const std::int32_t w = grid.cell_width, h = grid.row_height;
    GridLine(dc, l, t + h, r - 1, t + h);
    GridLine(dc, l, t + 2 * h, r - 1, t + 2 * h);
    GridLine(dc, l + grid.arrow_width, t, l + grid.arrow_width, t + h);
    GridLine(dc, r - grid.arrow_width, t, r - grid.arrow_width, t + h);
    for (std::int32_t k = 1; k <= 6; ++k) GridLine(dc, l + k * w, t + h, l + k * w, b - 1);
    for (std::int32_t k = 3; k <= 7; ++k) GridLine(dc, l, t + k * h, r - 1, t + k * h);
}

}  // namespace

void PaintMonthGrid(view::DrawContext& dc, MonthBrowser& browser, const GridRect& area, const CalendarRecord* calendar) {
    Fill(dc, Color::White(), area);
    const MonthGridLayout& grid = browser.LayOut(area);
    const view::TextStyle font(L"Calibri", 14, Color::Black());
    const std::int32_t l = area.left, t = area.top, w = grid.cell_width, h = grid.row_height;

    dc.DrawText(font, month_name(browser.Month()) + L" " + std::to_wstring(browser.Year()), kCentredLine,
                ToRectF(grid.title));
    PaintArrows(dc, area, grid);
    for (std::int32_t d = 1; d <= 7; ++d) {
        dc.DrawText(font, weekday_abbreviation(d), kCentredLine, ToRectF({l + (d - 1) * w, t + h, l + d * w, t + 2 * h}));
    }
    for (const auto& [seconds, cell] : grid.day_cells) {
        const s_date date = s_date::from_seconds(seconds);
        switch (DayFillOf(calendar, date)) {
        case day_fill::non_working: Fill(dc, kNonWorkingGrey, cell); break;
        case day_fill::exception: Fill(dc, kExceptionBlue, cell); break;
        case day_fill::none: break;
        }
        dc.DrawText(font, std::to_wstring(date.day()), kCentredLine, ToRectF(cell));
        if (date.seconds == browser.Selected().seconds) PaintSelectedFrame(dc, cell);
    }
    PaintGridLines(dc, area, grid);
}

void PaintHourGrid(view::DrawContext& dc, const GridRect& area, std::int32_t header_height,
                   const std::vector<WorkPeriod>& periods) {
    Fill(dc, Color::White(), area);
    const HourGridLayout grid = LayOutHourGrid(area, header_height);
    const view::TextStyle font(L"Calibri", 14, Color::Black());
    dc.DrawText(font, LoadText(IDS_CALENDAR_HOURS), kCentredLine, ToRectF(grid.title));
    dc.DrawText(font, L":00-:30", kCentredLine, ToRectF(grid.first_header));
    dc.DrawText(font, L":30-:60", kCentredLine, ToRectF(grid.second_header));
    for (std::uint32_t hour = 0; hour < 24; ++hour) {
        const std::int32_t y = grid.RowTop(hour);
        const std::int32_t bottom = y + grid.row_height;
        // The hour numbers are as tall as the grid's other texts: a height of 10 pixels left
        // them too small to read. Two digits of that size take the whole gap before the
        // first column.
        dc.DrawText(font, std::to_wstring(hour), kLeftLine, ToRectF({area.left + 5, y, grid.x0 - 1, bottom}));
        const GridRect first{grid.x0, y, grid.x1, bottom};
        const GridRect second{grid.x2, y, grid.x3, bottom};
        const auto [first_worked, second_worked] = WorkedHalves(periods, hour);
        Fill(dc, first_worked ? Color::White() : kNonWorkingGrey, first);
        Fill(dc, second_worked ? Color::White() : kNonWorkingGrey, second);
        Outline(dc, first);
        Outline(dc, second);
    }
}

void PaintLegendSwatch(view::DrawContext& dc, const GridRect& area, view::Color color) { Fill(dc, color, area); }

}  // namespace varnholt
