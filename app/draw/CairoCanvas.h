// CairoCanvas.h - the drawing primitives of the wx backend done straight on the device's Cairo
// context, for a paint, a memory bitmap or a print preview page. It draws what the toolkit's own
// calls would draw on that context, pixel for pixel, without their per-call costs: text comes
// shaped from a layout cache, lines that follow an axis become filled rectangles, a dashed line
// is one path filled once, and slanted lines, polygons and polylines are the same Cairo paths the
// toolkit would build, stroked and filled as it would; so are the indicator discs.
#pragma once

#include "app/draw/TextLayoutCache.h"
#include "views/draw/Color.h"
#include "views/draw/DrawBackend.h"

#include <cairo.h>

#include <span>
#include <string>

namespace varnholt {

// One piece of a line, end points rounded to pixels as the toolkit's integer calls take them.
struct LineSegment {
    std::int32_t x1, y1, x2, y2;
    [[nodiscard]] bool IsSlanted() const noexcept { return x1 != x2 && y1 != y2; }
    [[nodiscard]] bool IsEmpty() const noexcept { return x1 == x2 && y1 == y2; }
};

class CairoCanvas {
public:
    // `offset_pens`: the toolkit's context of `cr` moves the paths of odd-width pens by half a
    // device pixel, so that a 1-pixel line on whole coordinates covers one row of pixels;
    // `content_scale` is that context's device pixels per pixel.
    CairoCanvas(cairo_t* cr, TextLayoutCache& layouts, bool offset_pens, double content_scale = 1.0);
    CairoCanvas(const CairoCanvas&) = delete;
    CairoCanvas& operator=(const CairoCanvas&) = delete;
    ~CairoCanvas();

    // Pieces of one line, all `width` pixels wide. Axis-parallel ones are filled as rectangles
    // where a pixel is a device pixel: a pen straddles its line as the toolkit's does, of an even
    // width the extra pixel above or left, and the end point is not painted. Slanted ones, and
    // every one on a magnified device, are stroked with flat ends.
    void Segments(std::int32_t width, view::Color color, std::span<const LineSegment> segments);
    void FillRect(view::Color color, view::DeviceRect rect);
    // A polygon filled by the even-odd rule and outlined 1 pixel wide, closed as the toolkit
    // closes it: an edge back to the first point unless it already ends there, then the outline
    // joined (mitred) at that corner.
    void Polygon(view::Color fill, view::Color outline, std::span<const view::DevicePoint> points);
    // An open line through the points, 1 pixel wide.
    void Polyline(view::Color color, std::span<const view::DevicePoint> points);
    // An ellipse filling the rectangle, without outline, with the context's anti-aliasing. Its
    // path is built apart and copied in, as the toolkit builds it, so that its curves are cut
    // into the same pieces.
    void Ellipse(view::Color color, view::DeviceRect rect);
    // A shaped text with its top-left corner at `origin`, cut to `clip` only where it would
    // otherwise leave it.
    void Text(view::DevicePoint origin, const ShapedText& text, view::Color color, view::DeviceRect clip);

    [[nodiscard]] TextLayoutCache& Layouts() noexcept { return m_layouts; }
    [[nodiscard]] std::size_t ClippedTexts() const noexcept { return m_clipped; }

private:
    void SetColor(view::Color color);
    // Appends the line through the points to the current path.
    void AddPath(std::span<const view::DevicePoint> points);
    // Strokes the current path with a solid pen of `width` pixels, flat ends and mitred corners,
    // where the toolkit's pen of that width would fall.
    void Stroke(std::int32_t width, view::Color color);
    // The shift of a pen of `width` pixels, in user units, as the toolkit's context sets it.
    [[nodiscard]] double PenOffset(std::int32_t width) const;

    cairo_t* m_cr;
    cairo_t* m_scratch = nullptr;  // where ellipse paths are built, made on first use
    TextLayoutCache& m_layouts;
    std::size_t m_clipped = 0;
    bool m_offset_pens;
    double m_content_scale;
    bool m_pixel_exact = true;  // a pixel of the views is one device pixel, unrotated
};

}  // namespace varnholt
