// calendar_painting.cpp - the month grid, the hour grids and the legend swatches.

#include "shell/calendar/calendar_painting.h"

#include "shell/ui_text.h"
#include "views/draw/TextStyle.h"

#include <algorithm>
#include <cmath>
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

// The accent pen is 2 pixels wide at scale 1.
void AccentLine(view::DrawContext& dc, float scale, float x1, float y1, float x2, float y2) {
    dc.DrawLine(view::kPenSolid, std::round(2.0f * scale), kAccentGrey, x1, y1, x2, y2);
}

void PaintArrows(view::DrawContext& dc, const GridRect& area, const MonthGridLayout& grid, float scale) {
    const auto cy = static_cast<float>(area.top + grid.row_height / 2);
    const float arm = std::round(6.0f * scale);
    const auto left = static_cast<float>(area.left + grid.arrow_width / 2);
    AccentLine(dc, scale, left + arm, cy - arm, left, cy);
    AccentLine(dc, scale, left, cy, left + arm, cy + arm);
    const auto right = static_cast<float>(area.right - grid.arrow_width / 2);
    AccentLine(dc, scale, right - arm, cy - arm, right, cy);
    AccentLine(dc, scale, right, cy, right - arm, cy + arm);
}

void PaintSelectedFrame(view::DrawContext& dc, const GridRect& cell, float scale) {
    const float inset = 1.5f * scale;  // the pen stays inside the cell
    const float x = static_cast<float>(cell.left) + inset;
    const float y = static_cast<float>(cell.top) + inset;
    const float right = static_cast<float>(cell.right) - inset;
    const float bottom = static_cast<float>(cell.bottom) - inset;
    AccentLine(dc, scale, x, y, right, y);
    AccentLine(dc, scale, right, y, right, bottom);
    AccentLine(dc, scale, right, bottom, x, bottom);
    AccentLine(dc, scale, x, bottom, x, y);
}

// The grids' text: 14 pixels high at scale 1.
view::TextStyle GridFont(float scale) {
    return {L"Calibri", static_cast<std::int32_t>(std::lround(14.0f * scale)), Color::Black()};
}

// The widest hour number in the font.
std::int32_t HourLabelWidth(const view::DrawContext& dc, const view::TextStyle& font) {
    float widest = 0.0f;
    for (std::uint32_t hour = 0; hour < 24; ++hour) widest = std::max(widest, dc.MeasureText(font, std::to_wstring(hour)).width);
    return static_cast<std::int32_t>(std::ceil(widest));
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

void PaintMonthGrid(view::DrawContext& dc, MonthBrowser& browser, const GridRect& area, const CalendarRecord* calendar,
                    float scale) {
    Fill(dc, Color::White(), area);
    const MonthGridLayout& grid = browser.LayOut(area);
    const view::TextStyle font = GridFont(scale);
    const std::int32_t l = area.left, t = area.top, w = grid.cell_width, h = grid.row_height;

    dc.DrawText(font, month_name(browser.Month()) + L" " + std::to_wstring(browser.Year()), kCentredLine,
                ToRectF(grid.title));
    PaintArrows(dc, area, grid, scale);
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
        if (date.seconds == browser.Selected().seconds) PaintSelectedFrame(dc, cell, scale);
    }
    PaintGridLines(dc, area, grid);
}

void PaintHourGrid(view::DrawContext& dc, const GridRect& area, std::int32_t header_height,
                   const std::vector<WorkPeriod>& periods, float scale) {
    Fill(dc, Color::White(), area);
    const view::TextStyle font = GridFont(scale);
    const HourGridLayout grid = LayOutHourGrid(area, header_height, scale, HourLabelWidth(dc, font));
    dc.DrawText(font, LoadText(IDS_CALENDAR_HOURS), kCentredLine, ToRectF(grid.title));
    dc.DrawText(font, L":00-:30", kCentredLine, ToRectF(grid.first_header));
    dc.DrawText(font, L":30-:60", kCentredLine, ToRectF(grid.second_header));
    for (std::uint32_t hour = 0; hour < 24; ++hour) {
        const std::int32_t y = grid.RowTop(hour);
        const std::int32_t bottom = y + grid.row_height;
        // The hour numbers are as tall as the grid's other texts: a height of 10 pixels left
        // them too small to read. The cells make room for them.
        dc.DrawText(font, std::to_wstring(hour), kLeftLine, ToRectF({grid.label_left, y, grid.x0 - 1, bottom}));
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
