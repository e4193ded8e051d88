// CairoCanvas.cpp - rectangles, lines, paths and cached text on a Cairo context.

#include "app/draw/CairoCanvas.h"

#include <pango/pangocairo.h>

#include <algorithm>

namespace varnholt {
namespace {

// Pango rounds ink extents outward to whole pixels, underline and strike-out included, so a
// text whose ink rectangle lies inside its clip puts no paint outside it.
constexpr int kInkMargin = 0;

}  // namespace

CairoCanvas::CairoCanvas(cairo_t* cr, TextLayoutCache& layouts) : m_cr(cr), m_layouts(layouts) {
    m_layouts.Attach(cr);
}

void CairoCanvas::SetColor(view::Color color) {
    cairo_set_source_rgb(m_cr, color.GetRed() / 255.0, color.GetGreen() / 255.0, color.GetBlue() / 255.0);
}

void CairoCanvas::Segments(std::int32_t width, view::Color color, std::span<const LineSegment> segments) {
    width = std::clamp(width, 1, 1000);
    const std::int32_t before = width / 2;  // a pen straddles its line, the extra pixel below or right
    for (const LineSegment& s : segments) {
        if (s.y1 == s.y2 && s.x1 != s.x2) {
            const std::int32_t left = std::min(s.x1, s.x2), right = std::max(s.x1, s.x2);
            cairo_rectangle(m_cr, left, s.y1 - before, right - left, width);
        } else if (s.x1 == s.x2 && s.y1 != s.y2) {
            const std::int32_t top = std::min(s.y1, s.y2), bottom = std::max(s.y1, s.y2);
            cairo_rectangle(m_cr, s.x1 - before, top, width, bottom - top);
        }
    }
    SetColor(color);
    cairo_fill(m_cr);
}

void CairoCanvas::FillRect(view::Color color, view::DeviceRect rect) {
    cairo_rectangle(m_cr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    SetColor(color);
    cairo_fill(m_cr);
}

void CairoCanvas::Text(view::DevicePoint origin, const ShapedText& text, view::Color color, view::DeviceRect clip) {
    const PangoRectangle& ink = text.ink;
    const bool inside = ink.width <= 0 || ink.height <= 0 ||
                        (origin.x + ink.x - kInkMargin >= clip.left && origin.y + ink.y - kInkMargin >= clip.top &&
                         origin.x + ink.x + ink.width + kInkMargin <= clip.right &&
                         origin.y + ink.y + ink.height + kInkMargin <= clip.bottom);
    if (!inside) {
        ++m_clipped;
        cairo_save(m_cr);
        cairo_rectangle(m_cr, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top);
        cairo_clip(m_cr);
    }
    SetColor(color);
    cairo_move_to(m_cr, origin.x, origin.y);
    pango_cairo_show_layout(m_cr, text.layout);
    if (!inside) cairo_restore(m_cr);
}

}  // namespace varnholt
