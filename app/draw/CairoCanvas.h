// CairoCanvas.h - the drawing primitives of the wx backend done straight on the device's Cairo
// context, for a paint, a memory bitmap or a print preview page. It draws what the toolkit's own
// calls would draw on that context, pixel for pixel, without their per-call costs: text comes
// shaped from a layout cache, lines that follow an axis become filled rectangles, and a dashed
// line is one path filled once. Slanted lines, polygons and polylines stay with the toolkit.
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
};

class CairoCanvas {
public:
    CairoCanvas(cairo_t* cr, TextLayoutCache& layouts);

    // Axis-parallel pieces of one line, all `width` pixels wide, filled as one path. A pen
    // straddles its line as the toolkit's does: of an even width, the extra pixel lies above or
    // left; the end point is not painted.
    void Segments(std::int32_t width, view::Color color, std::span<const LineSegment> segments);
    void FillRect(view::Color color, view::DeviceRect rect);
    // A shaped text with its top-left corner at `origin`, cut to `clip` only where it would
    // otherwise leave it.
    void Text(view::DevicePoint origin, const ShapedText& text, view::Color color, view::DeviceRect clip);

    [[nodiscard]] TextLayoutCache& Layouts() noexcept { return m_layouts; }
    [[nodiscard]] std::size_t ClippedTexts() const noexcept { return m_clipped; }

private:
    void SetColor(view::Color color);

    cairo_t* m_cr;
    TextLayoutCache& m_layouts;
    std::size_t m_clipped = 0;
};

}  // namespace varnholt
