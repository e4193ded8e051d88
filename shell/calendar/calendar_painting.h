// calendar_painting.h - the calendar dialogs' three grids and the legend, painted through the
// views' drawing layer so that the dialogs and the tests draw the same thing.
#pragma once

#include "shell/calendar/calendar_grid.h"
#include "views/draw/Color.h"
#include "views/draw/DrawContext.h"

#include <vector>

namespace varnholt {

inline constexpr view::Color kNonWorkingGrey = view::Color::FromRgb(200, 200, 200);
inline constexpr view::Color kExceptionBlue = view::Color::FromRgb(170, 210, 240);
inline constexpr view::Color kGridLineGrey = view::Color::FromRgb(150, 150, 150);
inline constexpr view::Color kAccentGrey = view::Color::FromRgb(50, 50, 50);

// The grids' text, arrows and fixed lengths are pixels at scale 1: a dialog shown with large
// text passes the display scale, and the grids grow with the text around them.

// The displayed month of the browser in the area, its days coloured for the calendar (none
// when null); the browser keeps the cells for the clicks that follow.
void PaintMonthGrid(view::DrawContext& dc, MonthBrowser& browser, const GridRect& area, const CalendarRecord* calendar,
                    float scale = 1.0f);

// The 24 hours of a day: the title, the two half-hour headers, and each half hour grey, or
// white where a period covers it. header_height is the title's height.
void PaintHourGrid(view::DrawContext& dc, const GridRect& area, std::int32_t header_height,
                   const std::vector<WorkPeriod>& periods, float scale = 1.0f);

// The weekday grid's title height at scale 1.
inline constexpr std::int32_t kWeekdayGridHeaderHeight = 23;

// The three legend swatches: working (white), non-working (grey), exception (blue).
void PaintLegendSwatch(view::DrawContext& dc, const GridRect& area, view::Color color);

}  // namespace varnholt
