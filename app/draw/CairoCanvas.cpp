// CairoCanvas.cpp - rectangles, lines, paths and cached text on a Cairo context.

#include "app/draw/CairoCanvas.h"

#include "app/draw/TextSmoothing.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace varnholt {
namespace {

// Pango rounds ink extents outward to whole pixels, underline and strike-out included, so a
// text whose ink rectangle lies inside its clip puts no paint outside it.
constexpr int kInkMargin = 0;

// Moves the context by a pen's shift for the paths built while it lives, as a translation, as
// the toolkit applies it, so that their points land on the toolkit's fixed-point positions; the
// transformation is put back exactly afterwards, whatever the rounding of the shift.
class PenShift {
public:
    PenShift(cairo_t* cr, double offset) : m_cr(cr), m_shifted(offset != 0.0) {
        if (!m_shifted) return;
        cairo_get_matrix(cr, &m_saved);
        cairo_translate(cr, offset, offset);
    }
    PenShift(const PenShift&) = delete;
    PenShift& operator=(const PenShift&) = delete;
    ~PenShift() {
        if (m_shifted) cairo_set_matrix(m_cr, &m_saved);
    }

private:
    cairo_t* m_cr;
    bool m_shifted;
    cairo_matrix_t m_saved{};
};

}  // namespace

CairoCanvas::CairoCanvas(cairo_t* cr, TextLayoutCache& layouts, bool offset_pens, double content_scale)
    : m_cr(cr), m_layouts(layouts), m_offset_pens(offset_pens), m_content_scale(content_scale),
      m_pixel_exact(IsPixelExact(cr)) {
    m_layouts.Attach(cr);
}

CairoCanvas::~CairoCanvas() {
    if (m_scratch != nullptr) cairo_destroy(m_scratch);
}

void CairoCanvas::SetColor(view::Color color) {
    cairo_set_source_rgb(m_cr, color.GetRed() / 255.0, color.GetGreen() / 255.0, color.GetBlue() / 255.0);
}

double CairoCanvas::PenOffset(std::int32_t width) const {
    if (!m_offset_pens || width % 2 == 0) return 0.0;
    // Only where a pixel is an odd number of device pixels (a scaled print preview page is
    // not) does a centred pen need the shift; it is then half a device pixel.
    double x = m_content_scale, y = m_content_scale;
    cairo_user_to_device_distance(m_cr, &x, &y);
    const double pixel = std::min(std::fabs(x), std::fabs(y));
    if (std::fabs(std::fmod(pixel, 2.0) - 1.0) >= std::numeric_limits<double>::epsilon()) return 0.0;
    return 0.5 / pixel;
}

void CairoCanvas::AddPath(std::span<const view::DevicePoint> points) {
    cairo_move_to(m_cr, points.front().x, points.front().y);
    for (const view::DevicePoint& point : points.subspan(1)) cairo_line_to(m_cr, point.x, point.y);
}

void CairoCanvas::Stroke(std::int32_t width, view::Color color) {
    SetColor(color);
    cairo_set_line_width(m_cr, width);
    cairo_set_line_cap(m_cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(m_cr, CAIRO_LINE_JOIN_MITER);
    cairo_set_dash(m_cr, nullptr, 0, 0.0);
    cairo_stroke(m_cr);
}

void CairoCanvas::Segments(std::int32_t width, view::Color color, std::span<const LineSegment> segments) {
    width = std::clamp(width, 1, 1000);
    const std::int32_t before = width / 2;  // a pen straddles its line, the extra pixel below or right
    // On a magnified device (a print preview page) the pen's edges fall inside device pixels,
    // where only stroking reproduces the toolkit's lines: every piece is stroked there.
    const auto stroked = [this](const LineSegment& s) { return s.IsSlanted() || (!m_pixel_exact && !s.IsEmpty()); };
    bool any_stroked = false;
    for (const LineSegment& s : segments) {
        if (stroked(s)) {
            any_stroked = true;
        } else if (s.y1 == s.y2 && s.x1 != s.x2) {
            const std::int32_t left = std::min(s.x1, s.x2), right = std::max(s.x1, s.x2);
            cairo_rectangle(m_cr, left, s.y1 - before, right - left, width);
        } else if (s.x1 == s.x2 && s.y1 != s.y2) {
            const std::int32_t top = std::min(s.y1, s.y2), bottom = std::max(s.y1, s.y2);
            cairo_rectangle(m_cr, s.x1 - before, top, width, bottom - top);
        }
    }
    SetColor(color);
    cairo_set_fill_rule(m_cr, CAIRO_FILL_RULE_WINDING);
    cairo_fill(m_cr);
    if (!any_stroked) return;
    const PenShift shift(m_cr, PenOffset(width));
    for (const LineSegment& s : segments) {
        if (!stroked(s)) continue;
        cairo_move_to(m_cr, s.x1, s.y1);
        cairo_line_to(m_cr, s.x2, s.y2);
    }
    Stroke(width, color);
}

void CairoCanvas::FillRect(view::Color color, view::DeviceRect rect) {
    cairo_rectangle(m_cr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    SetColor(color);
    cairo_fill(m_cr);
}

void CairoCanvas::Polygon(view::Color fill, view::Color outline, std::span<const view::DevicePoint> points) {
    if (points.size() < 2) return;
    // Filled and outlined on the same path, both shifted as the outline's pen would be.
    const PenShift shift(m_cr, PenOffset(1));
    AddPath(points);
    if (!(points.back() == points.front())) cairo_line_to(m_cr, points.front().x, points.front().y);
    cairo_close_path(m_cr);
    SetColor(fill);
    cairo_set_fill_rule(m_cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_fill_preserve(m_cr);
    cairo_set_fill_rule(m_cr, CAIRO_FILL_RULE_WINDING);
    Stroke(1, outline);
}

void CairoCanvas::Polyline(view::Color color, std::span<const view::DevicePoint> points) {
    if (points.size() < 2) return;
    const PenShift shift(m_cr, PenOffset(1));
    AddPath(points);
    Stroke(1, color);
}

void CairoCanvas::Ellipse(view::Color color, view::DeviceRect rect) {
    const double w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return;
    if (m_scratch == nullptr) {
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
        m_scratch = cairo_create(surface);
        cairo_surface_destroy(surface);  // the context keeps it
    }
    cairo_new_path(m_scratch);
    cairo_move_to(m_scratch, rect.left + w, rect.top + h / 2.0);
    cairo_save(m_scratch);
    cairo_translate(m_scratch, rect.left + w / 2.0, rect.top + h / 2.0);
    cairo_scale(m_scratch, w / 2.0, h / 2.0);
    cairo_arc(m_scratch, 0.0, 0.0, 1.0, 0.0, 2.0 * G_PI);
    cairo_restore(m_scratch);
    cairo_close_path(m_scratch);
    cairo_path_t* path = cairo_copy_path(m_scratch);
    cairo_append_path(m_cr, path);
    cairo_path_destroy(path);
    SetColor(color);
    cairo_set_fill_rule(m_cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_fill(m_cr);
    cairo_set_fill_rule(m_cr, CAIRO_FILL_RULE_WINDING);
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
