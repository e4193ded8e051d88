// WxDrawBackend.h - the views' drawing backend over a wxDC: screen paints, memory bitmaps,
// printed pages and print preview. Built for one paint; fonts, pens and shaped texts come from a
// cache that outlives it. Shapes are drawn without anti-aliasing so that rectangles and lines
// cover whole pixels as the views computed them; text is smoothed (TextSmoothing.h). Where the
// device has a Cairo context (the screen, memory bitmaps, print preview) the backend draws on it
// directly; elsewhere, and on request, through the toolkit's own calls, to the same pixels.
#pragma once

#include "app/draw/WxDrawCache.h"
#include "views/draw/DrawBackend.h"

#include <wx/dc.h>
#include <wx/graphics.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace varnholt {

class CairoCanvas;
class ScopedTextOptions;
struct LineSegment;
struct ShapedText;

enum class Rendering {
    direct,   // on the device's Cairo context when it has one
    toolkit,  // through the toolkit's drawing calls only
};

class WxDrawBackend final : public view::DrawBackend {
public:
    // `printing` is set for printed pages and for print preview.
    WxDrawBackend(wxDC& dc, WxDrawCache& cache, bool printing = false, Rendering rendering = Rendering::direct);
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
    // True when drawing goes straight to the device's Cairo context.
    [[nodiscard]] bool IsDirect() const noexcept { return m_canvas != nullptr; }
    // Texts cut to their rectangle so far in this paint (direct drawing only).
    [[nodiscard]] std::size_t ClippedTexts() const noexcept;

private:
    // Shapes smoothed or crisp. The toolkit's switch sets the text's anti-aliasing along with the
    // shapes', so the text's own options are set again after it.
    void SmoothShapes(bool smooth);
    void DrawSegments(std::int32_t width, view::Color color, std::span<const LineSegment> segments);
    // The points with far vertices pulled in, valid until the next call.
    [[nodiscard]] std::span<const view::DevicePoint> ClampedCorners(std::span<const view::DevicePoint> points);
    // The shaped text in the block's font, from the cache.
    [[nodiscard]] const ShapedText& Shaped(std::wstring_view text, const view::FontBlock& font);

    wxDC& m_dc;
    WxDrawCache& m_cache;
    bool m_printing;
    // The device's area in its own coordinates, widened a little; drawing is cut to it, which
    // keeps far coordinates out of the rasteriser's fixed-point range.
    view::DeviceRect m_bounds;
    wxAntialiasMode m_saved_antialias = wxANTIALIAS_DEFAULT;
    std::unique_ptr<ScopedTextOptions> m_text_options;  // null without a Cairo context
    std::unique_ptr<CairoCanvas> m_canvas;  // null: the toolkit's calls
    std::string m_utf8;                     // reused for every text
    std::vector<view::DevicePoint> m_corners;  // reused for every polygon and polyline
    std::optional<view::FontBlock> m_last_block;
    std::uint32_t m_last_font_id = 0;
    const wxFont* m_last_font = nullptr;
};

}  // namespace varnholt
