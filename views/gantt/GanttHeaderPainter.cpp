// GanttHeaderPainter.cpp - the two-tier timescale band, painted last at the vertical scroll
// position so it stays at the top of the pane. Only the visible lower cells and the upper
// cells over them are drawn, whatever the span.

#include "views/gantt/GanttView.h"

#include "layouts/layout_records.h"
#include "views/draw/device_coords.h"

#include <algorithm>

namespace varnholt::view {

namespace {

constexpr std::uint32_t kCellLabelFormat = kTextCenter | kTextVCenter | kTextSingleLine | kTextWordEllipsis;


}  // namespace

void GanttView::DrawTimescaleHeader(const RectF& visible) {
    if (Settings() == nullptr || m_timescale.LowerTierDates().empty()) return;
    const Frame f = MakeFrame();
    if (!(f.cell > 0.0f && f.width > 0.0f)) return;  // a display scale of 0 or NaN

    DrawContext& dc = *m_draw_context;
    const float w = f.width, top = f.oy, h = f.hh, mid = top + h * 0.5f, bottom = top + h;
    dc.FillRect(Color::White(), 1.0f, top, w - 1.0f, h);
    dc.DrawLine(kPenSolid, 1.0f, Color::LightGray(), 0.0f, top, w, top);
    dc.DrawLine(kPenSolid, 1.0f, Color::Gray(), 0.0f, mid, w, mid);
    dc.DrawLine(kPenSolid, 1.0f, Color::Gray(), 0.0f, bottom, w, bottom);

    const CellWindow window = m_timescale.VisibleCells(f.ox, visible.width, f.cell);
    if (!window.empty()) DrawHeaderCells(f, window);
    dc.FillRect(Color::White(), w + 1.0f, top, std::max(visible.x + visible.width - w, w + 1.0f), h);
}

void GanttView::DrawHeaderCells(const Frame& f, const CellWindow& window) {
    const auto& lower = m_timescale.LowerTierDates();
    const auto& upper = m_timescale.UpperTierDates();
    DrawContext& dc = *m_draw_context;
    const float top = f.oy, h = f.hh, mid = top + h * 0.5f, bottom = top + h;
    const FontBlock& font = m_header_style->font_block;
    for (std::size_t i = window.first; i < window.end; ++i) {
        const float x = WholePixel(m_timescale.DateToX(lower[i], f.cell));
        dc.PenLine(1, Color::Gray(), x, mid, x, bottom);
        dc.DrawTextWithFont(font, Color::Black(), FormatCellLabel(lower[i], f.unit, true), kCellLabelFormat,
                            {x, mid, f.cell, h * 0.5f});
    }

    // The upper cells that overlap the window: from the first whose successor is not before the
    // first visible date (found by binary search) until one starts after the last visible date.
    const std::int64_t first_date = lower[window.first].seconds, last_date = lower[window.end - 1].seconds;
    const auto reaching = std::lower_bound(upper.begin(), upper.end(), first_date,
                                           [](const s_date& d, std::int64_t s) { return d.seconds < s; });
    const auto start = static_cast<std::size_t>(std::max<std::ptrdiff_t>(reaching - upper.begin() - 1, 0));
    for (std::size_t j = start; j < upper.size(); ++j) {
        if (upper[j].seconds > last_date) break;
        const s_date& next = j + 1 < upper.size() ? upper[j + 1] : upper[j];
        if (next.seconds < first_date) continue;
        const float x1 = WholePixel(m_timescale.DateToX(upper[j], f.cell));
        const float x2 = WholePixel(m_timescale.DateToX(next, f.cell));
        if (x1 == x2 || x1 > f.width) continue;
        dc.DrawLine(kPenSolid, 1.0f, Color::Gray(), x1, top, x1, mid);
        dc.DrawTextWithFont(font, Color::Black(), FormatCellLabel(upper[j], f.unit, false), kCellLabelFormat,
                            {x1 + 2.0f, top, x2 - x1 - 2.0f, h * 0.5f});
    }
}

}  // namespace varnholt::view
