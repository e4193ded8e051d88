// WxDrawBackend.cpp - drawing primitives on a wxDC.

#include "app/draw/WxDrawBackend.h"

#include "app/draw/CairoCanvas.h"
#include "app/draw/TextResolution.h"
#include "app/draw/TextSmoothing.h"
#include "views/draw/indicator_images.h"

#include <wx/dcclient.h>
#include <wx/fontutil.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace varnholt {
namespace {

constexpr std::int32_t kBoundsMargin = 64;

view::DeviceRect Intersect(view::DeviceRect a, view::DeviceRect b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

view::DevicePoint Clamped(view::DevicePoint point, view::DeviceRect bounds) {
    // Vertices far outside move onto a frame well beyond the device; the visible part of the
    // axis-parallel shapes the views draw stays as it was.
    constexpr std::int32_t kFar = 100000;
    return {std::clamp(point.x, bounds.left - kFar, bounds.right + kFar),
            std::clamp(point.y, bounds.top - kFar, bounds.bottom + kFar)};
}

std::vector<wxPoint> ToWxPoints(std::span<const view::DevicePoint> points) {
    std::vector<wxPoint> out;
    out.reserve(points.size());
    for (const auto& point : points) out.emplace_back(point.x, point.y);
    return out;
}

// Cuts the segment to the rectangle (Liang-Barsky); false when nothing of it is inside.
// t0 and t1 come back as the fractions of the segment that enter and leave.
bool ClipSegment(double x1, double y1, double x2, double y2, view::DeviceRect box, double& t0, double& t1) {
    t0 = 0.0;
    t1 = 1.0;
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {x1 - box.left, box.right - x1, y1 - box.top, box.bottom - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) t0 = std::max(t0, t);
        else t1 = std::min(t1, t);
    }
    return t0 <= t1;
}

LineSegment Rounded(double x1, double y1, double x2, double y2) {
    return {static_cast<std::int32_t>(std::lround(x1)), static_cast<std::int32_t>(std::lround(y1)),
            static_cast<std::int32_t>(std::lround(x2)), static_cast<std::int32_t>(std::lround(y2))};
}

// The toolkit draws a font at the desktop's text resolution, and the layouts here are shaped in
// a Pango context of 96 dpi: a toolkit font scaled by the resolution against 96 dpi comes out as
// the toolkit draws it. This is no second enlargement of the views' text: their fonts are fitted
// through the toolkit to the character heights the views ask for at the display scale.
float FontScalingFactor() {
    static const auto factor = static_cast<float>(DesktopTextScale());
    return factor;
}

cairo_t* CairoContextOf(wxGraphicsContext* context) {
    if (context == nullptr || context->GetRenderer() != wxGraphicsRenderer::GetCairoRenderer()) return nullptr;
    return static_cast<cairo_t*>(context->GetNativeContext());
}

}  // namespace

WxDrawBackend::WxDrawBackend(wxDC& dc, WxDrawCache& cache, bool printing, Rendering rendering)
    : m_dc(dc), m_cache(cache), m_printing(printing) {
    const wxSize size = dc.GetSize();
    m_bounds = {dc.DeviceToLogicalX(0) - kBoundsMargin, dc.DeviceToLogicalY(0) - kBoundsMargin,
                dc.DeviceToLogicalX(size.x) + kBoundsMargin, dc.DeviceToLogicalY(size.y) + kBoundsMargin};
    if (wxGraphicsContext* context = dc.GetGraphicsContext(); context != nullptr) {
        m_saved_antialias = context->GetAntialiasMode();
        cairo_t* cr = CairoContextOf(context);
        if (cr != nullptr) m_text_options = std::make_unique<ScopedTextOptions>(cr);
        // Before the canvas is made: its text layouts take the options the context has then.
        SmoothShapes(false);
        if (cr != nullptr && rendering == Rendering::direct)
            m_canvas = std::make_unique<CairoCanvas>(cr, cache.Layouts(), context->OffsetEnabled(),
                                                     context->GetContentScaleFactor());
    }
    m_dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
}

WxDrawBackend::~WxDrawBackend() {
    if (wxGraphicsContext* context = m_dc.GetGraphicsContext(); context != nullptr)
        context->SetAntialiasMode(m_saved_antialias);
    m_text_options.reset();  // after the toolkit's switch, which sets text options of its own
    m_dc.SetPen(wxNullPen);
    m_dc.SetBrush(wxNullBrush);
    m_dc.SetFont(wxNullFont);
}

void WxDrawBackend::SmoothShapes(bool smooth) {
    wxGraphicsContext* context = m_dc.GetGraphicsContext();
    if (context == nullptr) return;
    context->SetAntialiasMode(smooth ? wxANTIALIAS_DEFAULT : wxANTIALIAS_NONE);
    if (m_text_options) m_text_options->Apply();
}

void WxDrawBackend::DrawSegments(std::int32_t width, view::Color color, std::span<const LineSegment> segments) {
    if (m_canvas) {
        m_canvas->Segments(width, color, segments);
        return;
    }
    m_dc.SetPen(m_cache.Pen(color, width));
    for (const LineSegment& s : segments) m_dc.DrawLine(s.x1, s.y1, s.x2, s.y2);
}

void WxDrawBackend::Line(std::int32_t width, std::span<const std::int32_t> dashes, view::Color color,
                         view::DevicePoint from, view::DevicePoint to) {
    const double x1 = from.x, y1 = from.y, x2 = to.x, y2 = to.y;
    double t0 = 0, t1 = 0;
    if (!ClipSegment(x1, y1, x2, y2, m_bounds, t0, t1)) return;
    const double dx = x2 - x1, dy = y2 - y1;
    const double length = std::hypot(dx, dy);
    const std::int32_t period = std::accumulate(dashes.begin(), dashes.end(), 0);
    if (dashes.empty() || period <= 0 || length == 0.0) {
        const LineSegment solid = Rounded(x1 + dx * t0, y1 + dy * t0, x1 + dx * t1, y1 + dy * t1);
        DrawSegments(width, color, {&solid, 1});
        return;
    }
    // Dashes are drawn by hand: the toolkit's user dashes scale with the pen width on some
    // ports, while ours are pixels whatever the width. The pattern keeps its phase from the
    // true start of the line, wherever the visible part begins.
    const double ux = dx / length, uy = dy / length;
    const double end = length * t1;
    double position = std::floor(length * t0 / period) * period;
    std::vector<LineSegment> pieces;
    for (std::size_t i = 0; position < end; i = (i + 1) % dashes.size()) {
        const double next = position + dashes[i];
        if (i % 2 == 0 && next > length * t0) {
            const double a = std::max(position, length * t0), b = std::min(next, end);
            pieces.push_back(Rounded(x1 + ux * a, y1 + uy * a, x1 + ux * b, y1 + uy * b));
        }
        position = next;
    }
    DrawSegments(width, color, pieces);
}

void WxDrawBackend::FillRect(view::Color color, view::DeviceRect rect) {
    const view::DeviceRect visible = Intersect(rect, m_bounds);
    if (visible.IsEmpty()) return;
    if (m_canvas) {
        m_canvas->FillRect(color, visible);
        return;
    }
    m_dc.SetPen(*wxTRANSPARENT_PEN);
    m_dc.SetBrush(m_cache.Brush(color));
    m_dc.DrawRectangle(visible.left, visible.top, visible.right - visible.left, visible.bottom - visible.top);
}

void WxDrawBackend::FrameRect(view::Color color, view::DeviceRect rect) {
    if (rect.IsEmpty()) return;
    // Four one-pixel strips on the inner edge: exact whatever the toolkit does with pens.
    FillRect(color, {rect.left, rect.top, rect.right, rect.top + 1});
    FillRect(color, {rect.left, rect.bottom - 1, rect.right, rect.bottom});
    FillRect(color, {rect.left, rect.top + 1, rect.left + 1, rect.bottom - 1});
    FillRect(color, {rect.right - 1, rect.top + 1, rect.right, rect.bottom - 1});
}

std::span<const view::DevicePoint> WxDrawBackend::ClampedCorners(std::span<const view::DevicePoint> points) {
    m_corners.clear();
    for (const auto& point : points) m_corners.push_back(Clamped(point, m_bounds));
    return m_corners;
}

void WxDrawBackend::Polygon(view::Color fill, view::Color outline, std::span<const view::DevicePoint> points) {
    if (points.size() < 2) return;
    const std::span<const view::DevicePoint> corners = ClampedCorners(points);
    if (m_canvas) {
        m_canvas->Polygon(fill, outline, corners);
        return;
    }
    m_dc.SetPen(m_cache.Pen(outline, 1));
    m_dc.SetBrush(m_cache.Brush(fill));
    m_dc.DrawPolygon(static_cast<int>(corners.size()), ToWxPoints(corners).data());
}

void WxDrawBackend::Polyline(view::Color color, std::span<const view::DevicePoint> points) {
    if (points.size() < 2) return;
    const std::span<const view::DevicePoint> corners = ClampedCorners(points);
    if (m_canvas) {
        m_canvas->Polyline(color, corners);
        return;
    }
    m_dc.SetPen(m_cache.Pen(color, 1));
    m_dc.DrawLines(static_cast<int>(corners.size()), ToWxPoints(corners).data());
}

void WxDrawBackend::Text(view::DevicePoint origin, std::wstring_view text, const view::FontBlock& font,
                         view::Color color, view::DeviceRect clip) {
    const view::DeviceRect visible = Intersect(clip, m_bounds);
    if (text.empty() || visible.IsEmpty()) return;
    if (m_canvas) {
        m_canvas->Text(origin, Shaped(text, font), color, visible);
        return;
    }
    m_dc.SetFont(m_cache.Font(font, m_dc));
    m_dc.SetTextForeground(ToWxColour(color));
    // DrawText, not DrawLabel: a label would take '&' for a mnemonic.
    const wxDCClipper clipper(m_dc, wxRect(visible.left, visible.top, visible.right - visible.left,
                                           visible.bottom - visible.top));
    m_dc.DrawText(wxString(text.data(), text.size()), origin.x, origin.y);
}

std::size_t WxDrawBackend::ClippedTexts() const noexcept { return m_canvas ? m_canvas->ClippedTexts() : 0; }

const ShapedText& WxDrawBackend::Shaped(std::wstring_view text, const view::FontBlock& font) {
    // Views draw run after run of texts in one font: the last one is kept at hand.
    if (!m_last_block || !(*m_last_block == font)) {
        const WxDrawCache::NumberedFont numbered = m_cache.FontWithId(font, m_dc);
        m_last_block = font;
        m_last_font = &numbered.font;
        m_last_font_id = numbered.id;
    }
    m_utf8.clear();
    AppendUtf8(text, m_utf8);
    const wxFont& wx_font = *m_last_font;
    return m_canvas->Layouts().Get(m_last_font_id, m_utf8, [&wx_font](PangoLayout* layout) {
        const float scaling = FontScalingFactor();
        const wxFont scaled = scaling == 1.0f ? wx_font : wx_font.Scaled(scaling);
        pango_layout_set_font_description(layout, scaled.GetNativeFontInfo()->description);
        wx_font.GTKSetPangoAttrs(layout);  // underline and strike-out as the toolkit draws them
    });
}

view::DeviceSize WxDrawBackend::Measure(std::wstring_view text, const view::FontBlock& font) {
    if (m_canvas) {
        // An empty text measures as the toolkit's character height, that of "g".
        const ShapedText& shaped = Shaped(text.empty() ? std::wstring_view(L"g") : text, font);
        return {text.empty() ? 0 : shaped.logical.width, shaped.logical.height};
    }
    m_dc.SetFont(m_cache.Font(font, m_dc));
    wxCoord width = 0, height = 0;
    m_dc.GetTextExtent(wxString(text.data(), text.size()), &width, &height);
    if (height == 0) height = m_dc.GetCharHeight();
    return {width, height};
}

void WxDrawBackend::Bitmap(std::uint16_t id, view::DeviceRect rect) {
    const auto image = view::FindIndicatorImage(id);
    if (!image || Intersect(rect, m_bounds).IsEmpty() || rect.IsEmpty()) return;
    SmoothShapes(true);  // round discs
    const std::int32_t side = std::min(rect.right - rect.left, rect.bottom - rect.top);
    const std::int32_t ring = image->ringed ? std::max(1, side / 8) : 0;
    // A disc of the colour inside the square of `side` at the rectangle's corner, `inset` in.
    const auto disc = [&](view::Color color, std::int32_t inset) {
        const view::DeviceRect box{rect.left + inset, rect.top + inset, rect.left + side - inset,
                                   rect.top + side - inset};
        if (m_canvas) {
            m_canvas->Ellipse(color, box);
            return;
        }
        m_dc.SetPen(*wxTRANSPARENT_PEN);
        m_dc.SetBrush(m_cache.Brush(color));
        m_dc.DrawEllipse(box.left, box.top, box.right - box.left, box.bottom - box.top);
    };
    if (ring > 0) disc(view::Color::White(), 0);
    disc(image->fill, ring);
    SmoothShapes(false);
}

}  // namespace varnholt
