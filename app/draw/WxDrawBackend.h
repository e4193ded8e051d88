// WxDrawBackend.h - the views' drawing backend over a wxDC: screen paints, memory bitmaps,
// printed pages and print preview. Built for one paint; fonts and pens come from a cache that
// outlives it. Shapes are drawn without anti-aliasing so that rectangles and lines cover whole
// pixels as the views computed them; text keeps the system's smoothing.
#pragma once

#include "app/draw/WxDrawCache.h"
#include "views/draw/DrawBackend.h"

#include <wx/dc.h>
#include <wx/graphics.h>

namespace varnholt::app {

class WxDrawBackend final : public view::DrawBackend {
public:
    // `printing` is set for printed pages and for print preview.
    WxDrawBackend(wxDC& dc, WxDrawCache& cache, bool printing = false);
    ~WxDrawBackend() override;

    void Line(std::int32_t width, std::span<const std::int32_t> dashes, view::Color color, view::DevicePoint from,
              view::DevicePoint to) override;
    void FillRect(view::Color color, view::DeviceRect rect) override;
    void FrameRect(view::Color color, view::DeviceRect rect) override;
    void Polygon(view::Color fill, view::Color outline, std::span<const view::DevicePoint> points) override;
    void Polyline(view::Color color, std::span<const view::DevicePoint> points) override;
    void Text(view::DevicePoint origin, std::wstring_view text, const view::FontBlock& font, view::Color color,
              view::DeviceRect clip) override;
    [[nodiscard]] view::DeviceSize Measure(std::wstring_view text, const view::FontBlock& font) override;
    void Bitmap(std::uint16_t id, view::DeviceRect rect) override;
    [[nodiscard]] bool IsPrinting() const override { return m_printing; }

private:
    void SolidSegment(std::int32_t width, view::Color color, double x1, double y1, double x2, double y2);

    wxDC& m_dc;
    WxDrawCache& m_cache;
    bool m_printing;
    // The device's area in its own coordinates, widened a little; drawing is cut to it, which
    // keeps far coordinates out of the rasteriser's fixed-point range.
    view::DeviceRect m_bounds;
    wxAntialiasMode m_saved_antialias = wxANTIALIAS_DEFAULT;
};

}  // namespace varnholt::app
