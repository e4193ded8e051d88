// GanttGridPainter.cpp - what lies under the bars: non-working shading, the dotted grid and
// the data-date line. Each paints only what the pane shows, so a paint costs the same
// whatever the span of the schedule.

#include "views/gantt/GanttView.h"

#include "layouts/settings_file.h"
#include "model/Document.h"
#include "model/records/CalendarRecord.h"
#include "views/draw/device_coords.h"

#include <algorithm>
#include <cmath>

namespace varnholt::view {

namespace {

constexpr std::int64_t kHour = 3600;
constexpr std::int64_t kDay = 86400;

// The lines of the grid: 1 px, 3 on and 3 off.
void GridLine(DrawContext& dc, float x1, float y1, float x2, float y2) {
    dc.DrawLine(kPenDot, 1.0f, Color::LightGray(), x1, y1, x2, y2);
}


}  // namespace

// Day and hour cells without working time in the default calendar are shaded. Only the cells
// the header shows are asked about: the screen shows no others.
void GanttView::DrawNonWorkingTime(const Frame& f, const RectF& visible) {
    if (f.unit != 5 && f.unit != 6 && f.unit != 8) return;
    const CalendarRecord* calendar = m_document->GetDefaultCalendar();
    if (calendar == nullptr) return;
    const std::int64_t length = f.unit == 8 ? kHour : kDay;
    const auto& lower = m_timescale.LowerTierDates();
    const CellWindow window = m_timescale.VisibleCells(f.ox, visible.width, f.cell);
    for (std::size_t i = window.first; i < window.end; ++i) {
        const s_date& start = lower[i];
        if (calendar->WorkingMinutes(start, s_date::from_seconds(start.seconds + length)) != 0) continue;
        const float x = WholePixel(m_timescale.DateToX(start, f.cell));
        m_draw_context->FillRect(Color::PaleGray(), x, f.hh, f.cell, f.height - f.hh);
    }
}

void GanttView::DrawGrid(const Frame& f, const RectF& visible) {
    if (m_timescale.GridDatesStale()) BuildGridDates();
    const auto& grid = m_timescale.GridDates();
    if (grid.empty()) return;
    const LayoutSettings& settings = layout_settings();

    if (settings.gridlines_VerticalEnabled) {
        const CellWindow window = m_timescale.VisibleCells(f.ox, visible.width, f.cell);
        if (!window.empty()) {
            const auto& lower = m_timescale.LowerTierDates();
            const std::int64_t from = lower[window.first].seconds, to = lower[window.end - 1].seconds;
            auto it = std::lower_bound(grid.begin(), grid.end(), from,
                                       [](const s_date& d, std::int64_t s) { return d.seconds < s; });
            for (; it != grid.end() && it->seconds <= to; ++it) DrawDashedLine(f, visible, *it);
        }
    }

    if (settings.gridlines_HorizontalEnabled) {
        // A row height of 0 (display scale 0) would never step on; lines closer than a pixel
        // would only repaint the same pixels, as many times as the scale is small.
        const double step = static_cast<double>(f.rh) * settings.gridlines_HorizontalScale;
        if (!(std::isfinite(step) && step >= 1.0)) return;
        const double bottom = std::min<double>(f.oy + visible.height, f.height);
        const float left = std::max(f.ox, 0.0f);
        const float right = std::min(left + visible.width, f.width);
        // The first line at or below the top of the rows is computed, not stepped to.
        double k = std::max(1.0, std::ceil(static_cast<double>(f.oy) / step));
        for (double y = f.hh + k * step; y < f.height && y < bottom; y = f.hh + ++k * step) {
            if (f.oy + f.hh <= y) GridLine(*m_draw_context, left, static_cast<float>(y), right, static_cast<float>(y));
        }
    }
}

void GanttView::DrawDashedLine(const Frame& f, const RectF& visible, const s_date& date) {
    const float x = m_timescale.DateToX(date, f.cell);
    const float top = f.oy + (visible.y == 0.0f ? f.hh : visible.y);
    GridLine(*m_draw_context, x, top, x, std::min(f.height, f.oy + visible.height));
}

void GanttView::DrawDataDateLine(const Frame& f, const RectF& visible) {
    if (!CanPlaceDates()) return;
    const float x = m_timescale.DateToX(m_timescale.DataDate(), f.cell);
    m_draw_context->DrawLine(kPenSolid, 1.0f, Color::Blue(), x, f.oy + f.hh, x,
                             std::min(f.oy + visible.height, f.height));
}

}  // namespace varnholt::view
