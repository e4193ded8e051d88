// DrawBackend.h - the device under a DrawContext. It receives device pixels only: the context
// has already converted content coordinates, subtracted the scroll origin, made colours opaque
// and laid text out into single lines. A backend is attached for one paint (or one printed
// page) and must not be kept by the views.
#pragma once

#include "views/draw/Color.h"
#include "views/draw/FontBlock.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace varnholt::view {

struct DevicePoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend constexpr bool operator==(const DevicePoint&, const DevicePoint&) = default;
};

struct DeviceSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend constexpr bool operator==(const DeviceSize&, const DeviceSize&) = default;
};

// Right and bottom are exclusive: (10, 10)-(30, 20) covers 20 by 10 pixels.
struct DeviceRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    [[nodiscard]] constexpr bool IsEmpty() const noexcept { return right <= left || bottom <= top; }
    friend constexpr bool operator==(const DeviceRect&, const DeviceRect&) = default;
};

class DrawBackend {
public:
    DrawBackend() = default;
    DrawBackend(const DrawBackend&) = delete;
    DrawBackend& operator=(const DrawBackend&) = delete;
    virtual ~DrawBackend() = default;

    // A line of `width` pixels (at least 1). `dashes` alternates dash and gap lengths in pixels,
    // whatever the width; empty means solid. The end point itself is not painted.
    virtual void Line(std::int32_t width, std::span<const std::int32_t> dashes, Color color, DevicePoint from,
                      DevicePoint to) = 0;
    virtual void FillRect(Color color, DeviceRect rect) = 0;
    // A 1-pixel frame on the inner edge of the rectangle.
    virtual void FrameRect(Color color, DeviceRect rect) = 0;
    // A filled polygon outlined 1 pixel wide.
    virtual void Polygon(Color fill, Color outline, std::span<const DevicePoint> points) = 0;
    // An open polyline 1 pixel wide.
    virtual void Polyline(Color color, std::span<const DevicePoint> points) = 0;
    // One line of text (no line breaks) with its top-left corner at `origin`, every pixel
    // outside `clip` left untouched. Characters are drawn as they are: '&' is no mnemonic.
    virtual void Text(DevicePoint origin, std::wstring_view text, const FontBlock& font, Color color,
                      DeviceRect clip) = 0;
    // Width of one line of text and the font's line height.
    [[nodiscard]] virtual DeviceSize Measure(std::wstring_view text, const FontBlock& font) = 0;
    // An indicator image (ids 174-181) placed in the rectangle.
    virtual void Bitmap(std::uint16_t id, DeviceRect rect) = 0;
    // True while painting a printed page or a print preview: screen-only marks are left out.
    [[nodiscard]] virtual bool IsPrinting() const = 0;
};

}  // namespace varnholt::view
